#include "windows/PreviewLoader.h"

#include "metadata/ByteReader.h"
#include "metadata/EmbeddedPreview.h"
#include "metadata/FileSource.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTransform>

#ifdef LUMENSCRIBE_HAVE_LIBHEIF
#include <libheif/heif.h>
#endif

namespace lumenscribe {

namespace {

// An embedded preview larger than this is not a preview.
constexpr quint64 MaxEmbeddedBytes = 64 * 1024 * 1024;

bool hasSuffix(const QString& path, std::initializer_list<const char*> suffixes)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const char* s : suffixes) {
        if (suffix == QLatin1String(s))
            return true;
    }
    return false;
}

// The EXIF orientation of a raw file applies to the JPEG it embeds, which
// itself carries none.
QImage oriented(const QImage& image, int orientation)
{
    QTransform t;
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        t.rotate(180);
        break;
    case 4:
        return image.mirrored(false, true);
    case 5:
        t.rotate(90);
        return image.mirrored(true, false).transformed(t);
    case 6:
        t.rotate(90);
        break;
    case 7:
        t.rotate(-90);
        return image.mirrored(true, false).transformed(t);
    case 8:
        t.rotate(-90);
        break;
    default:
        return image;
    }
    return image.transformed(t);
}

// The size to ask a reader for: the picture fitted into the target, never
// enlarged; with a quarter turn to come, the target is turned first.
QSize scaledSize(QSize original, QSize target, bool quarterTurn)
{
    if (quarterTurn)
        target.transpose();
    if (original.width() <= target.width() && original.height() <= target.height())
        return original;
    return original.scaled(target, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QImage readScaled(QImageReader& reader, QSize target)
{
    reader.setAutoTransform(true);
    const QSize original = reader.size();
    if (original.isValid()) {
        const bool quarterTurn = reader.transformation() & QImageIOHandler::TransformationRotate90;
        reader.setScaledSize(scaledSize(original, target, quarterTurn));
    }
    QImage image = reader.read();
    // Readers that cannot scale while decoding return the full picture.
    if (!image.isNull() && (image.width() > target.width() || image.height() > target.height()))
        image = image.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

bool PreviewLoader::decodesHeif()
{
#ifdef LUMENSCRIBE_HAVE_LIBHEIF
    return true;
#else
    return false;
#endif
}

bool PreviewLoader::isMovie(const QString& path)
{
    return hasSuffix(path, {"mov", "mp4", "m4v", "avi", "mts", "m2ts", "3gp", "mpg", "mpeg", "mkv", "wmv"});
}

QString PreviewLoader::thmCompanion(const QString& path)
{
    const QFileInfo info(path);
    const QString base = info.dir().filePath(info.completeBaseName());
    for (const char* suffix : {".THM", ".thm", ".Thm"}) {
        const QString candidate = base + QLatin1String(suffix);
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QString();
}

PreviewLoader::Result PreviewLoader::load(const QString& path, QSize target)
{
    if (target.isEmpty())
        return {};
    if (isMovie(path)) {
        const QString thm = thmCompanion(path);
        if (thm.isEmpty())
            return {Kind::Movie, QImage()};
        QImage image = fromReader(thm, target);
        return image.isNull() ? Result{Kind::Movie, QImage()} : Result{Kind::Picture, image};
    }
    QImage image;
    if (hasSuffix(path, {"heic", "heif", "hif", "avif"}))
        image = fromHeif(path, target);
    // A JPEG decodes faster at a fraction of its size than its thumbnail
    // would look good; every other file tries the camera's JPEG first.
    if (image.isNull() && !hasSuffix(path, {"jpg", "jpeg", "jpe"}))
        image = fromEmbeddedPreview(path, target);
    if (image.isNull())
        image = fromReader(path, target);
    if (image.isNull())
        return {};
    return {Kind::Picture, image};
}

QImage PreviewLoader::fromEmbeddedPreview(const QString& path, QSize target)
{
    const FileSource source(path);
    if (!source.isOpen())
        return QImage();
    const ByteReader file(source);
    // A JPEG by its content, whatever its name: decoded at a fraction of its
    // size it looks better than its thumbnail.
    if (file.matchesAt(0, "\xFF\xD8"))
        return QImage();
    const EmbeddedPreview::Found found = EmbeddedPreview::find(file);
    const auto chosen = EmbeddedPreview::choose(found, target);
    if (!chosen || chosen->length > MaxEmbeddedBytes)
        return QImage();
    const auto bytes = file.bytesAt(chosen->offset, chosen->length);
    if (!bytes)
        return QImage();
    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    const bool quarterTurn = found.orientation >= 5;
    QImage image = readScaled(reader, quarterTurn ? target.transposed() : target);
    return image.isNull() ? image : oriented(image, found.orientation);
}

QImage PreviewLoader::fromReader(const QString& path, QSize target)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return readScaled(reader, target);
}

#ifdef LUMENSCRIBE_HAVE_LIBHEIF
namespace {

struct HeifContext
{
    heif_context* context = heif_context_alloc();
    heif_image_handle* primary = nullptr;
    heif_image_handle* thumbnail = nullptr;
    heif_image* image = nullptr;
    ~HeifContext()
    {
        heif_image_release(image);
        heif_image_handle_release(thumbnail);
        heif_image_handle_release(primary);
        heif_context_free(context);
    }
};

} // namespace

// The file's own thumbnail when it covers the target, else its primary
// picture; libheif applies the picture's rotation and mirroring.
QImage PreviewLoader::fromHeif(const QString& path, QSize target)
{
    HeifContext heif;
    if (!heif.context || heif_context_read_from_file(heif.context, QFile::encodeName(path).constData(), nullptr).code)
        return QImage();
    if (heif_context_get_primary_image_handle(heif.context, &heif.primary).code)
        return QImage();
    heif_image_handle* handle = heif.primary;
    heif_item_id thumbnailId = 0;
    if (heif_image_handle_get_list_of_thumbnail_IDs(heif.primary, &thumbnailId, 1) == 1 &&
        !heif_image_handle_get_thumbnail(heif.primary, thumbnailId, &heif.thumbnail).code &&
        heif_image_handle_get_width(heif.thumbnail) >= target.width() &&
        heif_image_handle_get_height(heif.thumbnail) >= target.height())
        handle = heif.thumbnail;
    if (heif_decode_image(handle, &heif.image, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, nullptr).code)
        return QImage();
    const int width = heif_image_get_width(heif.image, heif_channel_interleaved);
    const int height = heif_image_get_height(heif.image, heif_channel_interleaved);
    int stride = 0;
    const uint8_t* data = heif_image_get_plane_readonly(heif.image, heif_channel_interleaved, &stride);
    if (!data || width <= 0 || height <= 0)
        return QImage();
    const QImage view(data, width, height, stride, QImage::Format_RGBA8888);
    const QSize size = scaledSize(view.size(), target, false);
    return size == view.size() ? view.copy() : view.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
#else
QImage PreviewLoader::fromHeif(const QString&, QSize)
{
    return QImage();
}
#endif

} // namespace lumenscribe
