#include "windows/PreviewPanel.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <QWindow>

namespace lumenscribe {

namespace {

constexpr QSize StatusPictureSize{64, 64};

} // namespace

PreviewPanel::PreviewPanel(QWidget* parent) : QWidget(parent)
{
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("previewImage"));
    m_picture->setFixedSize(PictureSize);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setFrameShape(QFrame::StyledPanel);
    //% "Preview of the file"
    m_picture->setAccessibleName(qtTrId("PreviewImageAccessibleName"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_picture);
    layout->addStretch();
    // One decode at a time: a person stepping through files wants the
    // newest, and older ones are dropped anyway.
    m_pool.setMaxThreadCount(1);
    connect(this, &PreviewPanel::decoded, this, &PreviewPanel::takeDecoded, Qt::QueuedConnection);
}

PreviewPanel::~PreviewPanel()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void PreviewPanel::showFile(const QString& path)
{
    const quint64 generation = ++m_generation;
    m_path = path;
    // Decodes queued for earlier files are no longer wanted.
    m_pool.clear();
    showPicture(statusPicture(QStringLiteral(":/lumenscribe/pictures/wait.svg")), State::Waiting);
    const qreal ratio = pixelRatio();
    const QSize target = (QSizeF(PictureSize) * ratio).toSize();
    Loader loader = m_loader;
    m_pool.start([this, loader, path, target, ratio, generation] {
        PreviewLoader::Result result = loader(path, target);
        result.image.setDevicePixelRatio(ratio);
        emit decoded(generation, int(result.kind), result.image);
    });
}

void PreviewPanel::clear()
{
    ++m_generation;
    m_pool.clear();
    m_path.clear();
    m_picture->clear();
    if (m_state != State::Empty) {
        m_state = State::Empty;
        emit stateChanged(m_state);
    }
}

void PreviewPanel::takeDecoded(quint64 generation, int kind, const QImage& image)
{
    if (generation != m_generation)
        return; // the window shows another file by now
    switch (PreviewLoader::Kind(kind)) {
    case PreviewLoader::Kind::Picture:
        showPicture(QPixmap::fromImage(image), State::Picture);
        break;
    case PreviewLoader::Kind::Movie:
        showPicture(
            statusPicture(QStringLiteral(":/lumenscribe/pictures/movie.svg"), QStringLiteral("video-x-generic")),
            State::Movie);
        break;
    case PreviewLoader::Kind::Failed:
        showPicture(statusPicture(QStringLiteral(":/lumenscribe/pictures/loaderror.svg")), State::LoadError);
        break;
    }
}

void PreviewPanel::showPicture(const QPixmap& picture, State state)
{
    m_picture->setPixmap(picture);
    if (m_state != state) {
        m_state = state;
        emit stateChanged(state);
    }
}

// The theme's icon where the desktop has one, else our own drawing, sharp
// at the screen's pixel ratio.
QPixmap PreviewPanel::statusPicture(const QString& resource, const QString& themeIcon) const
{
    const qreal ratio = pixelRatio();
    if (!themeIcon.isEmpty() && QIcon::hasThemeIcon(themeIcon))
        return QIcon::fromTheme(themeIcon).pixmap(StatusPictureSize, ratio);
    QImage image((QSizeF(StatusPictureSize) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

qreal PreviewPanel::pixelRatio() const
{
    const QWidget* top = window();
    if (top && top->windowHandle())
        return top->windowHandle()->devicePixelRatio();
    return devicePixelRatioF();
}

} // namespace lumenscribe
