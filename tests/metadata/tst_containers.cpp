// The container choice and the readers in front of the directory walker:
// the byte scan, CRW heaps, RIFF, ISO-BMFF, PNG, WebP and the JPEG marker
// walk, each with the damaged files it must survive.
#include "FileBuilder.h"
#include "TestDates.h"
#include "metadata/ExifAccess.h"
#include "metadata/ExifDate.h"
#include "metadata/FreeFormDate.h"
#include "metadata/MemorySource.h"

#include <QTest>

using namespace lumenscribe;
using namespace lumenscribe::test;

namespace {

const auto Le = ByteOrder::Little;
const auto Be = ByteOrder::Big;

using lumenscribe::test::localInstant;

// What the reader makes of a whole file: "KEY=local date" or "none".
QString captureDate(const QByteArray& file)
{
    const MemorySource source(file);
    ExifAccess reader;
    reader.readExifInformationFromSource(source);
    const ExifDate* date = reader.evaluateCreationDate();
    if (!date)
        return QStringLiteral("none");
    return reader.creationDateKey() + u'=' + ExifDate::localText(date->date());
}

QString local(int year, int month, int day, int hour, int minute, int second)
{
    return ExifDate::localText(localInstant(year, month, day, hour, minute, second));
}

QByteArray exifWithOriginal(ByteOrder order, const QByteArray& date)
{
    return TiffBuilder(order).exif(TiffBuilder(order).text(0x9003, date)).build();
}

QByteArray padTo33(QByteArray file)
{
    return file.size() < 33 ? file + QByteArray(33 - file.size(), '\0') : file;
}

QByteArray heic(const QByteArray& tiff, uint32_t extentOffsetShift = 0)
{
    const QByteArray infe = box("infe", QByteArray("\2\0\0\0", 4) + QByteArray("\0\1\0\0", 4) + "Exif");
    const QByteArray iinf = box("iinf", QByteArray("\0\0\0\0\0\1", 6) + infe);
    const QByteArray item = be32(6) + QByteArray("Exif\0\0", 6) + tiff;
    const QByteArray ftyp = box("ftyp", "heic\0\0\0\0mif1heic");
    // iloc version 0: offset and length 4 bytes, no base offset; one item.
    auto iloc = [&](uint32_t offset) {
        return box("iloc",
                   QByteArray("\0\0\0\0\x44\0\0\1\0\1\0\0\0\1", 14) + be32(offset) + be32(uint32_t(item.size())));
    };
    const qsizetype metaSize = 8 + 4 + iinf.size() + iloc(0).size();
    const uint32_t itemAt = uint32_t(ftyp.size() + metaSize + 8);
    const QByteArray meta = box("meta", QByteArray(4, '\0') + iinf + iloc(itemAt + extentOffsetShift));
    return ftyp + meta + box("mdat", item);
}

QByteArray movie(const QByteArray& moovPayload)
{
    return box("ftyp", "qt  \0\0\0\0qt  ") + box("moov", moovPayload) + box("mdat", QByteArray(64, '\x11'));
}

QByteArray mvhd(uint32_t created)
{
    return box("mvhd", QByteArray(4, '\0') + be32(created) + QByteArray(92, '\0'));
}

QByteArray appleKeys(const QByteArray& date)
{
    const QByteArray name = "com.apple.quicktime.creationdate";
    const QByteArray keys =
        box("keys", QByteArray(4, '\0') + be32(1) + be32(uint32_t(name.size() + 8)) + "mdta" + name);
    const QByteArray ilst = box("ilst", box(be32(1), box("data", be32(1) + be32(0) + date)));
    return box("meta", box("hdlr", QByteArray(24, '\0')) + keys + ilst);
}

} // namespace

class TestContainers : public QObject
{
    Q_OBJECT

private slots:
    void scan_data();
    void scan();
    void fileSizeLimit();
    void riff_data();
    void riff();
    void crw_data();
    void crw();
    void modernContainers_data();
    void modernContainers();
    void appleDateKeepsOffset();
    void freeFormDates_data();
    void freeFormDates();
};

void TestContainers::scan_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");
    const QString taken = "DateTimeOriginal=" + local(2005, 1, 15, 12, 34, 56);
    QTest::newRow("jpeg II") << jpeg(exifWithOriginal(Le, "2005:01:15 12:34:56")) << taken;
    QTest::newRow("jpeg MM") << jpeg(exifWithOriginal(Be, "2005:01:15 12:34:56")) << taken;
    QTest::newRow("tiff at 0") << exifWithOriginal(Le, "2005:01:15 12:34:56") << taken;
    QTest::newRow("mark without 42 ends the scan")
        << padTo33("xxMM\0\0" + jpeg(exifWithOriginal(Le, "2005:01:15 12:34:56"))) << "none";
    QTest::newRow("TimeDate= is an instant")
        << padTo33("junk TimeDate=86400 " + jpeg(exifWithOriginal(Le, "2005:01:15 12:34:56")))
        << "DateTime=" + ExifDate::localText(86400);
    QTest::newRow("TimeDate= with a sign") << padTo33("TimeDate= -86400 ") << "DateTime=" + ExifDate::localText(-86400);
    // A file cut inside the number would otherwise be named after 1970.
    QTest::newRow("TimeDate= cut inside its digits") << QByteArray(24, ' ') + "TimeDate=9096988"
                                                     << "none";
    QTest::newRow("TimeDate= at the very end") << QByteArray(24, ' ') + "TimeDate="
                                               << "none";
    QTest::newRow("TimeDate= without digits") << padTo33("TimeDate=unknown ") << "none";
    // Numbers no calendar year from 1 to 9999 holds are no dates.
    QTest::newRow("TimeDate= past year 9999") << padTo33("TimeDate=253402300800 ") << "none";
    QTest::newRow("TimeDate= before year 1") << padTo33("TimeDate=-62135596801 ") << "none";
    QTest::newRow("TimeDate= huge") << padTo33("TimeDate=99999999999999999999 ") << "none";
    QTest::newRow("Exif signature without a byte order goes on")
        << padTo33(QByteArray("Exif\0\0xxx", 9) + "II" + QByteArray("*\0\x08\0\0\0", 6)) << "none";
    QTest::newRow("original before digitized")
        << TiffBuilder(Be)
               .exif(TiffBuilder(Be).text(0x9004, "2001:01:01 00:00:00").text(0x9003, "2002:02:02 00:00:00"))
               .text(0x0132, "2003:03:03 00:00:00")
               .build()
        << "DateTimeOriginal=" + local(2002, 2, 2, 0, 0, 0);
    QTest::newRow("digitized before datetime") << TiffBuilder(Be)
                                                      .text(0x0132, "2003:03:03 00:00:00")
                                                      .exif(TiffBuilder(Be).text(0x9004, "2001:01:01 00:00:00"))
                                                      .build()
                                               << "DateTimeDigitized=" + local(2001, 1, 1, 0, 0, 0);
    QTest::newRow("unset original falls to datetime") << TiffBuilder(Le)
                                                             .text(0x0132, "2003:03:03 00:00:00")
                                                             .exif(TiffBuilder(Le).text(0x9003, "0000:00:00 00:00:00"))
                                                             .build()
                                                      << "DateTime=" + local(2003, 3, 3, 0, 0, 0);
    // An XMP packet holding "xmpMM" stops the scan; the marker walk finds the block.
    QTest::newRow("jpeg marker walk past an xmp packet")
        << jpeg(exifWithOriginal(Le, "2005:01:15 12:34:56"), jpegSegment(0xE1, "http://ns.adobe.com/xap/1.0/ xmpMM:x"))
        << taken;
    QTest::newRow("jpeg segment length 0 ends the walk")
        << padTo33(QByteArray("\xFF\xD8\xFF\xE0\0\0", 6) + QByteArray(40, 'z')) << "none";
}

void TestContainers::scan()
{
    QFETCH(QByteArray, file);
    QTEST(captureDate(file), "expected");
}

void TestContainers::fileSizeLimit()
{
    QByteArray file = QByteArray("TimeDate=86400") + QByteArray(18, ' ');
    QCOMPARE(file.size(), 32);
    QCOMPARE(captureDate(file), QStringLiteral("none"));
    QCOMPARE(captureDate(file + ' '), "DateTime=" + ExifDate::localText(86400));
}

void TestContainers::riff_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");
    const QString fixed = "DateTime=" + local(2005, 1, 15, 12, 34, 56);
    auto avi = [](const QByteArray& idit) {
        return test::riff("AVI ", riffList("hdrl", riffChunk("avih", QByteArray(56, '\0')) + riffChunk("IDIT", idit)) +
                                      riffList("movi", QByteArray(16, '\0')));
    };
    QTest::newRow("IDIT fixed form") << avi("2005:01:15 12:34:56") << fixed;
    QTest::newRow("IDIT dashes") << avi("2005-01-15 12:34:56") << fixed;
    QTest::newRow("IDIT asctime") << avi(QByteArray("Sat Jan 15 12:34:56 2005\n\0", 26)) << fixed;
    QTest::newRow("IDIT slashes") << avi(QByteArray("2005/01/15 12:34:56\0", 20)) << fixed;
    QTest::newRow("IDIT unreadable") << avi("sometime last week") << "none";
    QTest::newRow("IDIT unset clock") << avi("0000:00:00 00:00:00") << "none";
    const QByteArray info = riffList("INFO", riffChunk("ICRD", QByteArray("2005-01-15\0", 11)));
    const QByteArray etim = riffList("exif", riffChunk("erel", QByteArray("IMGP0001.JPG\0", 13)) +
                                                 riffChunk("etim", QByteArray("12:34:56\0\0", 10)));
    QTest::newRow("wave ICRD and etim after odd chunks") << test::riff("WAVE", info + etim) << fixed;
    // A day and no time: 00:00 of it (the reader marks the time unknown).
    QTest::newRow("wave ICRD alone") << test::riff("WAVE", info + riffChunk("data", "xxxx"))
                                     << "DateTime=" + local(2005, 1, 15, 0, 0, 0);
    QByteArray cutBeforeTime = test::riff("WAVE", info + etim);
    cutBeforeTime.chop(etim.size());
    QTest::newRow("wave cut short before its etim") << cutBeforeTime << "none";
    QByteArray bigSize = avi("2005:01:15 12:34:56");
    bigSize.replace(4, 4, le32(0x7FFFFFFF));
    QTest::newRow("size field larger than the file") << bigSize << fixed;
    QByteArray cut = avi("2005:01:15 12:34:56");
    QTest::newRow("cut inside the IDIT") << cut.left(cut.indexOf("IDIT") + 12) << "none";
    QTest::newRow("list size past the end")
        << test::riff("AVI ", "LIST" + le32(0xFFFFFFF0) + "hdrl" + QByteArray(32, '\0')) << "none";
    QTest::newRow("other form goes to the scan")
        << test::riff("CDXA", QByteArray(4, '\0') + exifWithOriginal(Le, "2005:01:15 12:34:56"))
        << "DateTimeOriginal=" + local(2005, 1, 15, 12, 34, 56);
}

void TestContainers::riff()
{
    QFETCH(QByteArray, file);
    QTEST(captureDate(file), "expected");
}

void TestContainers::crw_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");
    // 2005-01-15 12:34:56 counted as if UTC: the camera's wall-clock time.
    const uint32_t stamp = 1105792496;
    const QString expected = "DateTime=" + local(2005, 1, 15, 12, 34, 56);
    const QByteArray stampRecord = le32(stamp) + le32(0) + le32(0);
    const QByteArray props = crwHeap(stampRecord, {crwRecord(0x180E, 12, 0)});
    QTest::newRow("camera layout") << crwFile(crwHeap(props, {crwRecord(0x300A, uint32_t(props.size()), 0)}))
                                   << expected;
    const QByteArray moved =
        crwHeap(le32(3072) + QByteArray(8, '\0') + stampRecord, {crwRecord(0x100A, 12, 0), crwRecord(0x180E, 12, 12)});
    QTest::newRow("rewritten: stamp not first")
        << crwFile(crwHeap(moved, {crwRecord(0x300A, uint32_t(moved.size()), 0)})) << expected;
    const QByteArray noDirectory = le32(stamp) + QByteArray(8, '\0') + le32(0xFFFF);
    QTest::newRow("no readable heap directory")
        << crwFile(crwHeap(noDirectory, {crwRecord(0x300A, uint32_t(noDirectory.size()), 0)})) << expected;
    const QByteArray unset = crwHeap(le32(0) + le32(0) + le32(0), {crwRecord(0x180E, 12, 0)});
    QTest::newRow("time stamp 0: a clock never set")
        << crwFile(crwHeap(unset, {crwRecord(0x300A, uint32_t(unset.size()), 0)})) << "none";
    QTest::newRow("no image properties") << crwFile(crwHeap(props, {crwRecord(0x300B, uint32_t(props.size()), 0)}))
                                         << "none";
    QTest::newRow("properties past the end")
        << crwFile(crwHeap(props, {crwRecord(0x300A, 0xFFFFFFF0, 0xFFFFFFF0)})) << "none";
    QByteArray rootPastEnd = crwFile(crwHeap(props, {crwRecord(0x300A, uint32_t(props.size()), 0)}));
    rootPastEnd.replace(rootPastEnd.size() - 4, 4, le32(0xFFFFFFFF));
    QTest::newRow("root directory past the end") << rootPastEnd << "none";
    QByteArray hugeCount = crwFile(crwHeap(props, {crwRecord(0x1234, 0, 0)}));
    hugeCount.replace(26 + props.size(), 2, "\xFF\xFF");
    QTest::newRow("huge record count") << hugeCount << "none";
}

void TestContainers::crw()
{
    QFETCH(QByteArray, file);
    QTEST(captureDate(file), "expected");
}

void TestContainers::modernContainers_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");
    const QByteArray tiff = exifWithOriginal(Be, "2005:01:15 12:34:56");
    const QString taken = "DateTimeOriginal=" + local(2005, 1, 15, 12, 34, 56);
    QTest::newRow("heic exif item") << heic(tiff) << taken;
    QTest::newRow("heic item past the end falls back to the scan") << heic(tiff, 0x7FFFFFF0) << taken;
    QTest::newRow("heic item past the end, no exif elsewhere") << heic(QByteArray(40, 'x'), 0x7FFFFFF0) << "none";
    const QByteArray canon = box("uuid", QByteArray::fromHex("85c0b687820f11e08111f4ce462b6a48") +
                                             box("CMT1", TiffBuilder(Le).text(0x010F, "Canon").build()) +
                                             box("CMT2", TiffBuilder(Le).text(0x9003, "2005:01:15 12:34:56").build()));
    QTest::newRow("cr3 blocks") << box("ftyp", "crx \0\0\0\0crx isom") + box("moov", canon) << taken;
    QTest::newRow("movie header") << movie(mvhd(2082844800u + 86400u)) << "DateTime=" + ExifDate::localText(86400);
    QTest::newRow("movie header 0 is absent") << movie(mvhd(0)) << "none";
    QTest::newRow("apple date before movie header")
        << movie(mvhd(2082844800u + 86400u) + appleKeys("2005-01-15T12:34:56+0300")) << taken;
    QTest::newRow("exif frame before both") << movie(mvhd(2082844800u + 86400u)) + jpeg(tiff) << taken;
    QTest::newRow("box overruns its parent")
        << box("ftyp", "qt  \0\0\0\0qt  ") + be32(0xFFFFFF00) + "moov" + mvhd(2082844800u + 86400u) << "none";
    QTest::newRow("64-bit box size 0") << box("ftyp", "mp42\0\0\0\0mp42") + be32(1) + "moov" + QByteArray(8, '\0') +
                                              mvhd(2082844801u)
                                       << "none";
    QTest::newRow("old quicktime without ftyp")
        << box("moov", mvhd(2082844800u + 60)) + QByteArray(16, '\0') << "DateTime=" + ExifDate::localText(60);
    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + be32(13) + "IHDR" + QByteArray(17, '\0') + be32(4) +
                           "IDAT" + "MMMM" + be32(0) + be32(uint32_t(tiff.size())) + "eXIf" + tiff + be32(0) + be32(0) +
                           "IEND" + be32(0);
    QTest::newRow("png eXIf after IDAT") << png << taken;
    QByteArray pngCut = png.left(png.indexOf("eXIf") + 10);
    QTest::newRow("png eXIf cut short") << pngCut << "none";
    QTest::newRow("webp EXIF") << test::riff("WEBP", riffChunk("VP8X", QByteArray(10, '\0')) + riffChunk("EXIF", tiff))
                               << taken;
}

void TestContainers::modernContainers()
{
    QFETCH(QByteArray, file);
    QTEST(captureDate(file), "expected");
}

void TestContainers::appleDateKeepsOffset()
{
    const QByteArray file = movie(appleKeys("2019-07-24T11:25:40+0300"));
    const MemorySource source(file);
    ExifAccess reader;
    reader.readExifInformationFromSource(source);
    QCOMPARE(reader.exifDict().value("OffsetTimeOriginal")->stringValue(), QStringLiteral("+03:00"));
    QCOMPARE(ExifDate::localText(reader.evaluateCreationDate()->date()), QStringLiteral("2019-07-24 11:25:40"));
}

void TestContainers::freeFormDates_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected"); // NaN: no date
    const double noDate = qQNaN();
    const double taken = localInstant(2005, 1, 15, 12, 34, 56);
    QTest::newRow("asctime") << QByteArray("Sat Jan 15 12:34:56 2005") << taken;
    QTest::newRow("asctime with line break") << QByteArray("Sat Jan 15 12:34:56 2005\n") << taken;
    QTest::newRow("asctime padded day") << QByteArray("Wed Jan  5 12:34:56 2005")
                                        << localInstant(2005, 1, 5, 12, 34, 56);
    QTest::newRow("slashes") << QByteArray("2005/01/15 12:34:56") << taken;
    QTest::newRow("iso local") << QByteArray("2005-01-15T12:34:56") << taken;
    QTest::newRow("iso utc") << QByteArray("1970-01-02T00:00:00Z") << 86400.0;
    QTest::newRow("iso offset") << QByteArray("1970-01-02T01:00:00+01:00") << 86400.0;
    QTest::newRow("month 13") << QByteArray("2005-13-15 12:34:56") << noDate;
    QTest::newRow("words") << QByteArray("yesterday") << noDate;
    QTest::newRow("empty") << QByteArray() << noDate;
}

void TestContainers::freeFormDates()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    const auto parsed = FreeFormDate::parse(text);
    QCOMPARE(parsed.has_value(), !qIsNaN(expected));
    if (parsed)
        QCOMPARE(*parsed, expected);
}

QTEST_GUILESS_MAIN(TestContainers)
#include "tst_containers.moc"
