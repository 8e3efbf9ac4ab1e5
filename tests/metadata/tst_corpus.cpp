// Real camera files end to end: the capture date the reader finds, what it
// costs in bytes read.
#include "metadata/ExifAccess.h"
#include "metadata/ExifDate.h"
#include "metadata/ExifValue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>

using namespace lumenscribe;

namespace {

QString data(const QString& name)
{
    return QStringLiteral(LUMENSCRIBE_TESTDATA "/") + name;
}

// Instants stored as such (movie headers, TimeDate=) show in local time.
QString fromUtc(int year, int month, int day, int hour, int minute, int second)
{
    struct tm broken = {};
    broken.tm_year = year - 1900;
    broken.tm_mon = month - 1;
    broken.tm_mday = day;
    broken.tm_hour = hour;
    broken.tm_min = minute;
    broken.tm_sec = second;
    return ExifDate::localText(double(timegm(&broken)));
}

} // namespace

class TestCorpus : public QObject
{
    Q_OBJECT

private slots:
    void captureDates_data();
    void captureDates();
    void photoAndMovieAgree();
    void bytesRead_data();
    void bytesRead();
    void largeMovieCostsItsHeaders();
};

void TestCorpus::captureDates_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("date");
    QTest::newRow("jpeg II") << "Canon1DmkIII.jpg"
                             << "DateTimeOriginal"
                             << "2007-02-22 17:02:42";
    QTest::newRow("jpeg MM") << "exiv2-nikon-d70.jpg"
                             << "DateTimeOriginal"
                             << "2004-03-30 10:43:46";
    QTest::newRow("jpeg exif after xmp") << "no_exif.jpg"
                                         << "DateTime"
                                         << "2014-09-22 10:56:35";
    QTest::newRow("jpeg blank date") << "FujiFilm DX-5.jpg"
                                     << ""
                                     << "";
    QTest::newRow("jpeg TimeDate=") << "olympus-d320l.jpg"
                                    << "DateTime" << fromUtc(1998, 10, 29, 22, 6, 59);
    QTest::newRow("thm") << "MVI_0314.THM"
                         << "DateTimeOriginal"
                         << "2022-01-20 08:16:09";
    QTest::newRow("rewritten crw") << "CanonRaw.crw"
                                   << "DateTime"
                                   << "2003-11-10 17:39:26";
    QTest::newRow("nef cut short") << "fixture.nef"
                                   << ""
                                   << "";
    QTest::newRow("avi asctime") << "RIFF.avi"
                                 << "DateTime"
                                 << "2003-03-10 15:04:43";
    QTest::newRow("avi slashes") << "Pentax.avi"
                                 << "DateTime"
                                 << "2009-10-27 12:14:34";
    QTest::newRow("wave") << "RIFF.wav"
                          << "DateTime"
                          << "2005-08-08 16:23:35";
    QTest::newRow("heic") << "Stonehenge.heic"
                          << "DateTimeOriginal"
                          << "2015-07-16 15:38:54";
    QTest::newRow("avif") << "avif_exif_xmp.avif"
                          << "DateTime"
                          << "2021-02-13 21:19:50";
    QTest::newRow("cr3") << "CanonRaw.cr3"
                         << "DateTimeOriginal"
                         << "2018-02-21 12:08:56";
    QTest::newRow("png") << "png_with_exif_and_gps.png"
                         << "DateTimeOriginal"
                         << "2003-12-14 12:01:44";
    QTest::newRow("webp") << "HTC Desire.webp"
                          << "DateTimeOriginal"
                          << "2011-05-06 09:59:48";
    QTest::newRow("mov header") << "QuickTime.mov"
                                << "DateTime" << fromUtc(2005, 8, 11, 14, 3, 54);
    QTest::newRow("iphone mov") << "with-gps.mov"
                                << "DateTimeOriginal"
                                << "2019-07-24 11:25:40";
}

void TestCorpus::captureDates()
{
    QFETCH(QString, file);
    QFETCH(QString, key);
    QFETCH(QString, date);
    // The rename run reads dates only: it must come to the same answer.
    for (const bool datesOnly : {false, true}) {
        ExifAccess reader;
        reader.setDatesOnly(datesOnly);
        reader.readExifInformationFromFile(data(file));
        const ExifDate* found = reader.evaluateCreationDate();
        QCOMPARE(reader.creationDateKey(), key);
        QCOMPARE(found ? ExifDate::localText(found->date()) : QString(), date);
    }
}

void TestCorpus::photoAndMovieAgree()
{
    ExifAccess photo, movie;
    photo.readExifInformationFromFile(data("P1000244.JPG"));
    movie.readExifInformationFromFile(data("P1000244.MOV"));
    QVERIFY(photo.evaluateCreationDate() && movie.evaluateCreationDate());
    QCOMPARE(movie.evaluateCreationDate()->date(), photo.evaluateCreationDate()->date());
}

void TestCorpus::bytesRead_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<quint64>("most");
    QTest::newRow("jpeg") << "P1000244.JPG" << quint64(16384);
    QTest::newRow("crw") << "CanonRaw.crw" << quint64(16384);
    QTest::newRow("iphone mov") << "with-gps.mov" << quint64(65536);
}

void TestCorpus::bytesRead()
{
    QFETCH(QString, file);
    QFETCH(quint64, most);
    ExifAccess reader;
    reader.readExifInformationFromFile(data(file));
    QVERIFY(reader.evaluateCreationDate());
    QVERIFY2(reader.lastBytesRead() <= most, qPrintable(QString::number(reader.lastBytesRead())));
}

void TestCorpus::largeMovieCostsItsHeaders()
{
    // A 2 GiB camera movie: header chunks, then the frames (a sparse file).
    const quint64 size = quint64(2) << 30;
    auto le32 = [](quint32 v) {
        return QByteArray(reinterpret_cast<const char*>(&v), 4); // test machines are little-endian
    };
    QFile original(data("RIFF.avi"));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QByteArray head = original.readAll().left(12);
    head.replace(4, 4, le32(quint32(size - 8)));
    const QByteArray hdrl = "LIST" + le32(4 + 8 + 56) + "hdrl" + "avih" + le32(56) + QByteArray(56, '\0');
    const QByteArray movi = "LIST" + le32(quint32(size - 12 - hdrl.size() - 8)) + "movi";
    QTemporaryDir dir;
    QFile movie(dir.filePath("MVI_0003.AVI"));
    QVERIFY(movie.open(QIODevice::WriteOnly));
    movie.write(head + hdrl + movi);
    QVERIFY(movie.resize(qint64(size)));
    movie.close();
    ExifAccess reader;
    reader.readExifInformationFromFile(movie.fileName());
    QVERIFY(!reader.evaluateCreationDate());
    QVERIFY2(reader.lastBytesRead() <= 16384, qPrintable(QString::number(reader.lastBytesRead())));
}

QTEST_GUILESS_MAIN(TestCorpus)
#include "tst_corpus.moc"
