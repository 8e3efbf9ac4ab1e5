// Turns a file into the small picture the confirm-each-file window shows
// beside its controls, cheapest way first: a JPEG the camera embedded, a
// JPEG decoded at a fraction of its size, a HEIF's own thumbnail, a movie's
// THM companion; everything else through Qt's image readers. Runs on any
// thread: it holds no state and touches no widget.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace lumenscribe {

class PreviewLoader
{
public:
    enum class Kind
    {
        Picture,
        Movie, // a movie without a THM companion: the caller shows its icon
        Failed
    };
    struct Result
    {
        Kind kind = Kind::Failed;
        QImage image; // fits the target size, orientation applied
    };

    // `target` in device pixels; the image is never larger than it.
    static Result load(const QString& path, QSize target);

    static bool isMovie(const QString& path);
    // Built with libheif: HEIF and AVIF pictures get their preview.
    static bool decodesHeif();
    // The THM picture a camera writes beside a movie, or empty.
    static QString thmCompanion(const QString& path);

private:
    static QImage fromEmbeddedPreview(const QString& path, QSize target);
    static QImage fromReader(const QString& path, QSize target);
    static QImage fromHeif(const QString& path, QSize target);
};

} // namespace lumenscribe
