#include "windows/DropArea.h"

#include "windows/DroppedPaths.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumenscribe {

DropArea::DropArea(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("dropArea"));
    setAcceptDrops(true);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setMinimumWidth(420);
    setAutoFillBackground(true);
    //% "Drop photos, movies or folders here"
    setAccessibleName(qtTrId("DropAreaHint"));

    auto* hint = new QLabel(qtTrId("DropAreaHint"), this);
    hint->setObjectName(QStringLiteral("dropHint"));
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    QFont font = hint->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    hint->setFont(font);

    //% "Open &Files…"
    auto* files = new QPushButton(qtTrId("DropAreaOpenFiles"), this);
    files->setObjectName(QStringLiteral("openFilesButton"));
    //% "Open F&older…"
    auto* folder = new QPushButton(qtTrId("DropAreaOpenFolder"), this);
    folder->setObjectName(QStringLiteral("openFolderButton"));
    connect(files, &QPushButton::clicked, this, &DropArea::openFilesClicked);
    connect(folder, &QPushButton::clicked, this, &DropArea::openFolderClicked);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(files);
    buttons->addWidget(folder);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(hint);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->addStretch();
}

void DropArea::setHighlighted(bool on)
{
    setBackgroundRole(on ? QPalette::Highlight : QPalette::Window);
    setForegroundRole(on ? QPalette::HighlightedText : QPalette::WindowText);
}

void DropArea::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedPaths::hasLocalPaths(event->mimeData()))
        return;
    event->acceptProposedAction();
    setHighlighted(true);
}

void DropArea::dragLeaveEvent(QDragLeaveEvent* event)
{
    setHighlighted(false);
    QFrame::dragLeaveEvent(event);
}

void DropArea::dropEvent(QDropEvent* event)
{
    setHighlighted(false);
    const QStringList paths = DroppedPaths::localPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    emit pathsDropped(paths);
}

} // namespace lumenscribe
