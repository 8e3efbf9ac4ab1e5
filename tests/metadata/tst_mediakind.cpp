// What a file is by its first bytes: every photo and movie the date reader
// reads is media, whatever it is called; notes, print orders and a
// Windows thumbnail cache are not, even where they begin like one.
#include "metadata/FileSource.h"
#include "metadata/MediaKind.h"
#include "metadata/MemorySource.h"

#include <QDir>
#include <QTest>

using namespace lumenscribe;
using Kind = MediaKind::Kind;

Q_DECLARE_METATYPE(MediaKind::Kind)

namespace {

Kind kindOf(const QByteArray& bytes)
{
    return MediaKind::of(MemorySource(bytes));
}

Kind kindOfFile(const QString& path)
{
    const FileSource file(path);
    return file.isOpen() ? MediaKind::of(file) : Kind::Other;
}

QByteArray packets(int stride, int count)
{
    QByteArray bytes(stride * count, '\x11');
    for (int i = 0; i < count; ++i)
        bytes[i * stride + (stride == 192 ? 4 : 0)] = '\x47';
    return bytes;
}

} // namespace

class TestMediaKind : public QObject
{
    Q_OBJECT

private slots:
    void sampleFilesAreMedia();
    void realFilesByContentNotName();
    void headersOfOtherFormats_data();
    void headersOfOtherFormats();
    void notMedia_data();
    void notMedia();
    void corpusIsMedia();
};

void TestMediaKind::sampleFilesAreMedia()
{
    const QDir data(QStringLiteral(LUMENSCRIBE_TESTDATA));
    int files = 0;
    for (const QString& name : data.entryList(QDir::Files)) {
        if (name.endsWith(QStringLiteral(".md")))
            continue;
        QVERIFY2(kindOfFile(data.filePath(name)) != Kind::Other, qPrintable(name));
        ++files;
    }
    QVERIFY(files > 20);
}

void TestMediaKind::realFilesByContentNotName()
{
    const QString data = QStringLiteral(LUMENSCRIBE_TESTDATA "/");
    QCOMPARE(kindOfFile(data + "Stonehenge.heic"), Kind::Photo);
    QCOMPARE(kindOfFile(data + "CanonRaw.cr3"), Kind::Photo);
    QCOMPARE(kindOfFile(data + "CanonRaw.crw"), Kind::Photo);
    QCOMPARE(kindOfFile(data + "Panasonic.rw2"), Kind::Photo);
    QCOMPARE(kindOfFile(data + "HTC Desire.webp"), Kind::Photo);
    QCOMPARE(kindOfFile(data + "png_with_exif_and_gps.png"), Kind::Photo);
    QCOMPARE(kindOfFile(data + "with-gps.mov"), Kind::Movie);
    QCOMPARE(kindOfFile(data + "QuickTime.mov"), Kind::Movie); // "moov" first, no "ftyp"
    QCOMPARE(kindOfFile(data + "P1000244.MOV"), Kind::Movie);  // "mdat" first
    QCOMPARE(kindOfFile(data + "RIFF.avi"), Kind::Movie);
    QCOMPARE(kindOfFile(data + "RIFF.wav"), Kind::Sound);
    QCOMPARE(kindOfFile(data + "MVI_0314.THM"), Kind::Photo);
}

void TestMediaKind::headersOfOtherFormats_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Kind>("kind");
    const QByteArray pad(64, '\0');
    QTest::newRow("fuji raf") << QByteArray("FUJIFILMCCD-RAW 0201") + pad << Kind::Photo;
    QTest::newRow("minolta mrw") << QByteArray("\0MRM\0\0\x0a\x0c\0PRD", 12) + pad << Kind::Photo;
    QTest::newRow("olympus orf") << QByteArray("IIRO\x08\0\0\0", 8) + pad << Kind::Photo;
    QTest::newRow("kodak kdc (tiff mm)") << QByteArray("MM\0*\0\0\0\x08", 8) + pad << Kind::Photo;
    QTest::newRow("gif") << QByteArray("GIF89a") + pad << Kind::Photo;
    QTest::newRow("bmp") << QByteArray("BM\x36\x10\0\0\0\0\0\0\x36\0\0\0", 14) + pad << Kind::Photo;
    QTest::newRow("hif") << QByteArray("\0\0\0\x20"
                                       "ftypheix",
                                       12) +
                                pad
                         << Kind::Photo;
    QTest::newRow("mp4") << QByteArray("\0\0\0\x18"
                                       "ftypmp42",
                                       12) +
                                pad
                         << Kind::Movie;
    QTest::newRow("3gp") << QByteArray("\0\0\0\x14"
                                       "ftyp3gp4",
                                       12) +
                                pad
                         << Kind::Movie;
    QTest::newRow("quicktime wide") << QByteArray("\0\0\0\x08wide", 8) + pad << Kind::Movie;
    QTest::newRow("matroska") << QByteArray("\x1a\x45\xdf\xa3\x9f\x42\x86\x81", 8) + pad << Kind::Movie;
    QTest::newRow("mpeg ps") << QByteArray("\0\0\x01\xba\x44\0\x04", 7) + pad << Kind::Movie;
    QTest::newRow("mts") << packets(188, 5) << Kind::Movie;
    QTest::newRow("m2ts") << packets(192, 5) << Kind::Movie;
    QTest::newRow("short mts") << packets(188, 2) << Kind::Movie;
}

void TestMediaKind::headersOfOtherFormats()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Kind, kind);
    QCOMPARE(kindOf(bytes), kind);
}

void TestMediaKind::notMedia_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("short jpeg start") << QByteArray("\xff\xd8", 2);
    QTest::newRow("note") << QByteArray("Card from the wedding, ask Anna for the rest.\n");
    QTest::newRow("print order") << QByteArray("[HDR]\r\nGEN REV = 01.00\r\nGEN CRT = \"CANON\"\r\n");
    QByteArray thumbs("\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1", 8);
    thumbs += QByteArray(504, '\0');
    QTest::newRow("thumbs.db") << thumbs;
    // Begins with the sync byte of a transport stream, and the letters of a
    // bitmap, but is text.
    QTest::newRow("text from G") << QByteArray("Gallery list: ").repeated(40);
    QTest::newRow("text from BM") << QByteArray("BMX race, heats 1-4\n").repeated(5);
    QTest::newRow("riff of another kind") << QByteArray("RIFF\x10\0\0\0RMIDdata", 16) + QByteArray(32, '\0');
    QTest::newRow("desktop.ini") << QByteArray("[.ShellClassInfo]\r\nIconResource=x\r\n");
}

void TestMediaKind::notMedia()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(kindOf(bytes), Kind::Other);
}

// The camera files of a corpus folder, when one is given.
void TestMediaKind::corpusIsMedia()
{
    const QString folder = qEnvironmentVariable("LUMENSCRIBE_CORPUS");
    if (folder.isEmpty())
        QSKIP("LUMENSCRIBE_CORPUS names no corpus folder");
    const QDir corpus(folder);
    for (const QString& name : corpus.entryList(QDir::Files)) {
        const bool document = name.endsWith(QStringLiteral(".md")) || name.endsWith(QStringLiteral(".tsv"));
        QVERIFY2((kindOfFile(corpus.filePath(name)) == Kind::Other) == document, qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(TestMediaKind)
#include "tst_mediakind.moc"
