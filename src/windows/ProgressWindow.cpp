#include "windows/ProgressWindow.h"

#include "windows/DroppedPaths.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace lumenscribe {

namespace {

// The bar counts in whole steps; a run's values are file numbers.
constexpr int kBarScale = 1;

} // namespace

ProgressWindow::ProgressWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("progressWindow"));
    //% "Lumenscribe: renaming"
    setWindowTitle(qtTrId("ProgressWindowTitle"));
    setAcceptDrops(true);
    m_info = new QLabel(this);
    m_info->setObjectName(QStringLiteral("progressInfo"));
    m_info->setTextFormat(Qt::PlainText);
    m_info->setMinimumWidth(360);
    // A long file name is cut in the middle rather than widening the window.
    m_info->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("progressBar"));
    //% "Progress of the run"
    m_bar->setAccessibleName(qtTrId("ProgressBarAccessibleName"));
    m_bar->setRange(0, 0);
    //% "&Abort"
    m_abort = new QPushButton(qtTrId("ProgressAbortButton"), this);
    m_abort->setObjectName(QStringLiteral("progressAbortButton"));
    connect(m_abort, &QPushButton::clicked, this, &ProgressWindow::abortClicked);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_abort);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_info);
    layout->addWidget(m_bar);
    layout->addLayout(buttons);
    resize(sizeHint().expandedTo(QSize(420, 0)));
}

void ProgressWindow::setInfo(const QString& text)
{
    m_info->setText(m_info->fontMetrics().elidedText(text, Qt::ElideMiddle, m_info->width()));
    m_info->setToolTip(text);
}

void ProgressWindow::setValue(double value)
{
    m_value = value;
    showBar();
}

void ProgressWindow::setMaximum(double value)
{
    m_maximum = value;
    showBar();
}

void ProgressWindow::setAbortEnabled(bool enabled)
{
    m_abort->setEnabled(enabled);
}

void ProgressWindow::showBar()
{
    const auto maximum = static_cast<int>(std::lround(m_maximum * kBarScale));
    m_bar->setRange(0, std::max(maximum, 1));
    m_bar->setValue(std::clamp(static_cast<int>(std::lround(m_value * kBarScale)), 0, std::max(maximum, 1)));
}

void ProgressWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (DroppedPaths::hasLocalPaths(event->mimeData()))
        event->acceptProposedAction();
}

void ProgressWindow::dropEvent(QDropEvent* event)
{
    const QStringList paths = DroppedPaths::localPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    emit pathsDropped(paths);
}

// Closing the window of a run under way stops the run; the window itself
// goes when the run has ended.
void ProgressWindow::closeEvent(QCloseEvent* event)
{
    if (event->spontaneous()) {
        emit closedByPerson();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace lumenscribe
