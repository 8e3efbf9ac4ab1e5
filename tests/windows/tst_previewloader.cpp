// The preview decoder: each way to a small picture, its orientation, and
// files that give none.
#include "../metadata/FileBuilder.h"
#include "windows/PreviewLoader.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace lumenscribe;
using namespace lumenscribe::test;

namespace {

const QSize Target(248, 200);

QByteArray jpegBytes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

// The JPEG with an Exif segment that turns it (orientation 6: a quarter
// turn clockwise) right after its start.
QByteArray turnedJpeg(int width, int height)
{
    const QByteArray tiff = TiffBuilder(ByteOrder::Little).number(0x112, 3, 6).build();
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    const QByteArray plain = jpegBytes(width, height);
    return plain.left(2) + jpegSegment(0xE1, exif) + plain.mid(2);
}

// A JPEG whose Exif carries a 160x120 thumbnail (IFD1).
QByteArray jpegWithThumbnail(int width, int height)
{
    const QByteArray thumbnail = jpegBytes(160, 120);
    const auto directory = [&](uint32_t at) {
        TiffBuilder ifd1(ByteOrder::Little);
        ifd1.number(0x201, 4, at).number(0x202, 4, uint32_t(thumbnail.size()));
        return TiffBuilder(ByteOrder::Little).number(0x112, 3, 1).nextDirectory(ifd1);
    };
    const QByteArray tiff = directory(uint32_t(directory(0).build().size())).build() + thumbnail;
    const QByteArray plain = jpegBytes(width, height);
    return plain.left(2) + jpegSegment(0xE1, QByteArray("Exif\0\0", 6) + tiff) + plain.mid(2);
}

// A TIFF-based raw: IFD0 turned a quarter back (8), its JPEG preview after it.
QByteArray rawWithPreview(const QByteArray& preview)
{
    const auto directory = [&](uint32_t at) {
        return TiffBuilder(ByteOrder::Little)
            .number(0x112, 3, 8)
            .number(0x201, 4, at)
            .number(0x202, 4, uint32_t(preview.size()));
    };
    return directory(uint32_t(directory(0).build().size())).build() + preview;
}

} // namespace

class TestPreviewLoader : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void pictures_data();
    void pictures();
    void movies();
    void heif();

private:
    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir->filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return file.fileName();
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPreviewLoader::pictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size"); // empty: no picture
    QTest::newRow("large JPEG, scaled while decoding") << "a.jpg" << jpegBytes(1600, 1200) << QSize(248, 186);
    QTest::newRow("small JPEG, not enlarged") << "b.jpg" << jpegBytes(80, 60) << QSize(80, 60);
    QTest::newRow("JPEG turned by its Exif") << "c.JPG" << turnedJpeg(1600, 1200) << QSize(150, 200);
    QTest::newRow("raw's embedded preview, turned by the raw")
        << "d.nef" << rawWithPreview(jpegBytes(1200, 800)) << QSize(133, 200);
    // Its scaled decode looks better than its thumbnail, whatever its name.
    QTest::newRow("JPEG with a thumbnail, by another name")
        << "i.dat" << jpegWithThumbnail(1600, 1200) << QSize(248, 186);
    QTest::newRow("PNG through Qt's reader") << "e.png" << [] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImage(500, 100, QImage::Format_ARGB32).save(&buffer, "PNG");
        return bytes;
    }() << QSize(248, 50);
    QTest::newRow("text named .jpg") << "f.jpg" << QByteArray("no picture here") << QSize();
    QTest::newRow("truncated raw") << "g.nef" << rawWithPreview(jpegBytes(1200, 800)).left(60) << QSize();
    QTest::newRow("empty file") << "h.cr2" << QByteArray() << QSize();
}

void TestPreviewLoader::pictures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    const PreviewLoader::Result result = PreviewLoader::load(write(name, bytes), Target);
    if (size.isEmpty()) {
        QCOMPARE(result.kind, PreviewLoader::Kind::Failed);
        QVERIFY(result.image.isNull());
        return;
    }
    QCOMPARE(result.kind, PreviewLoader::Kind::Picture);
    // Within a pixel of the expected fit: decoders round differently.
    QVERIFY2(qAbs(result.image.width() - size.width()) <= 1 && qAbs(result.image.height() - size.height()) <= 1,
             qPrintable(QStringLiteral("%1x%2").arg(result.image.width()).arg(result.image.height())));
}

void TestPreviewLoader::movies()
{
    QFile thm(QStringLiteral(LUMENSCRIBE_TESTDATA "/MVI_0314.THM"));
    QVERIFY(thm.open(QIODevice::ReadOnly));
    const QString movie = write(QStringLiteral("MVI_0314.AVI"), "RIFF");
    write(QStringLiteral("MVI_0314.THM"), thm.readAll());
    PreviewLoader::Result result = PreviewLoader::load(movie, Target);
    QCOMPARE(result.kind, PreviewLoader::Kind::Picture);
    QVERIFY(result.image.width() <= Target.width() && result.image.height() <= Target.height());

    // Without a companion: the caller shows a movie icon; never a load error.
    result = PreviewLoader::load(write(QStringLiteral("clip.mp4"), "...."), Target);
    QCOMPARE(result.kind, PreviewLoader::Kind::Movie);
    QCOMPARE(PreviewLoader::thmCompanion(m_dir->filePath(QStringLiteral("clip.mp4"))), QString());
}

void TestPreviewLoader::heif()
{
    if (!PreviewLoader::decodesHeif())
        QSKIP("built without libheif");
    for (const char* name : {"Stonehenge.heic", "avif_exif_xmp.avif"}) {
        const PreviewLoader::Result result =
            PreviewLoader::load(QStringLiteral(LUMENSCRIBE_TESTDATA "/") + QLatin1String(name), Target);
        QCOMPARE(result.kind, PreviewLoader::Kind::Picture);
        QVERIFY(result.image.width() <= Target.width() && result.image.height() <= Target.height());
        QVERIFY(result.image.width() > 8);
    }
    // Not a HEIF inside: Qt's readers get their turn, then it fails.
    QCOMPARE(PreviewLoader::load(write(QStringLiteral("x.heic"), "garbage"), Target).kind, PreviewLoader::Kind::Failed);
}

QTEST_MAIN(TestPreviewLoader)
#include "tst_previewloader.moc"
