// The embedded JPEG finder: where each kind of camera file keeps its
// preview, which one is chosen, and that offsets pointing anywhere never
// lead outside the file or into a loop.
#include "FileBuilder.h"
#include "metadata/EmbeddedPreview.h"
#include "metadata/MemorySource.h"

#include <QFile>
#include <QTest>

using namespace lumenscribe;
using namespace lumenscribe::test;

namespace {

constexpr ByteOrder Le = ByteOrder::Little;

// The start of a JPEG as far as the finder reads it: SOI, a frame header
// (precision 8, height, width, one component), then filler.
QByteArray tinyJpeg(int width, int height, uint8_t frame = 0xC0)
{
    const QByteArray sof = QByteArray(1, char(8)) + u16(uint16_t(height), ByteOrder::Big) +
                           u16(uint16_t(width), ByteOrder::Big) + QByteArray("\x01\x01\x11\x00", 4);
    return QByteArray("\xFF\xD8", 2) + jpegSegment(0xDB, QByteArray(65, '\0')) + jpegSegment(frame, sof) +
           QByteArray("\xFF\xD9", 2);
}

// A TIFF whose directory points, through `tag` pairs, at data appended after
// the directory: the directory is built twice, the second time with the
// offset of the appended bytes.
QByteArray tiffWithAppended(const std::function<TiffBuilder(uint32_t)>& directory, const QByteArray& appended)
{
    const qsizetype size = directory(0).build().size();
    return directory(uint32_t(size)).build() + appended;
}

EmbeddedPreview::Found find(const QByteArray& bytes)
{
    const MemorySource source(bytes);
    return EmbeddedPreview::find(ByteReader(source));
}

} // namespace

class TestEmbeddedPreview : public QObject
{
    Q_OBJECT

private slots:
    void layouts_data();
    void layouts();
    void choosesTheCheapestThatCovers();
    void cameraFiles_data();
    void cameraFiles();
};

void TestEmbeddedPreview::layouts_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::addColumn<int>("orientation");

    const QByteArray thumb = tinyJpeg(160, 120);
    const QByteArray big = tinyJpeg(1620, 1080);
    QTest::newRow("IFD0 thumbnail, turned") << tiffWithAppended(
                                                   [&](uint32_t at) {
                                                       return TiffBuilder(Le)
                                                           .number(0x112, 3, 6)
                                                           .number(0x201, 4, at)
                                                           .number(0x202, 4, uint32_t(thumb.size()));
                                                   },
                                                   thumb)
                                            << QList<QSize>{{160, 120}} << 6;
    QTest::newRow("big-endian IFD1 thumbnail")
        << tiffWithAppended(
               [&](uint32_t at) {
                   TiffBuilder ifd1(ByteOrder::Big);
                   ifd1.number(0x201, 4, at).number(0x202, 4, uint32_t(thumb.size()));
                   return TiffBuilder(ByteOrder::Big).number(0x100, 3, 4000).nextDirectory(ifd1);
               },
               thumb)
        << QList<QSize>{{160, 120}} << 1;
    QByteArray nef = tiffWithAppended(
        [&](uint32_t at) {
            TiffBuilder sub(Le);
            sub.number(0x103, 3, 6)
                .number(0x111, 4, at + uint32_t(thumb.size()))
                .number(0x117, 4, uint32_t(big.size()));
            TiffBuilder ifd0(Le);
            ifd0.number(0x201, 4, at).number(0x202, 4, uint32_t(thumb.size()));
            ifd0.exif(sub); // made a SubIFDs entry below
            return ifd0;
        },
        thumb + big);
    nef.replace(QByteArray("\x69\x87\x04\x00", 4), QByteArray("\x4A\x01\x04\x00", 4));
    QTest::newRow("JPEG strip in a SubIFD, thumbnail in IFD0") << nef << QList<QSize>{{160, 120}, {1620, 1080}} << 1;
    QTest::newRow("lossless JPEG raw data is no preview") << tiffWithAppended(
                                                                 [&](uint32_t at) {
                                                                     return TiffBuilder(Le)
                                                                         .number(0x103, 3, 7)
                                                                         .number(0x111, 4, at)
                                                                         .number(0x117, 4, uint32_t(thumb.size()));
                                                                 },
                                                                 tinyJpeg(4000, 3000, 0xC3))
                                                          << QList<QSize>{} << 1;
    QTest::newRow("offset past the end") << TiffBuilder(Le).number(0x201, 4, 1'000'000).number(0x202, 4, 100).build()
                                         << QList<QSize>{} << 1;
    QTest::newRow("length past the end")
        << tiffWithAppended(
               [&](uint32_t at) { return TiffBuilder(Le).number(0x201, 4, at).number(0x202, 4, 0xFFFFFFF0u); }, thumb)
        << QList<QSize>{} << 1;
    QByteArray loop = TiffBuilder(Le).number(0x100, 3, 1).build();
    loop.replace(loop.size() - 4, 4, le32(8)); // the next directory is itself
    QTest::newRow("directory linked to itself") << loop << QList<QSize>{} << 1;
    QTest::newRow("JPEG's own Exif thumbnail")
        << jpeg(tiffWithAppended(
               [&](uint32_t at) {
                   TiffBuilder ifd1(Le);
                   ifd1.number(0x201, 4, at).number(0x202, 4, uint32_t(thumb.size()));
                   return TiffBuilder(Le).number(0x112, 3, 1).nextDirectory(ifd1);
               },
               thumb))
        << QList<QSize>{{160, 120}} << 1;

    // RW2: "IIU\0", JpgFromRaw as undefined bytes.
    QByteArray rw2 = TiffBuilder(Le).data(0x2E, 7, uint32_t(big.size()), big).build();
    rw2[2] = 0x55;
    QTest::newRow("RW2 JpgFromRaw") << rw2 << QList<QSize>{{1620, 1080}} << 1;

    // CRW: the JPEG preview record of the root heap; a record whose data
    // lies elsewhere (top bits set) is not followed.
    const QByteArray heap = crwHeap(big + thumb, {crwRecord(0x2007, uint32_t(big.size()), 0),
                                                  crwRecord(0x4008, uint32_t(thumb.size()), uint32_t(big.size()))});
    QTest::newRow("CRW preview record") << crwFile(heap) << QList<QSize>{{1620, 1080}} << 1;

    // CR3: the PRVW box behind its uuid, and the THMB box in moov's Canon uuid.
    const QByteArray prvw = box("PRVW", QByteArray(12, '\0') + be32(uint32_t(big.size())) + big);
    const QByteArray thmb =
        box("THMB", QByteArray(8, '\0') + be32(uint32_t(thumb.size())) + QByteArray(4, '\0') + thumb);
    const QByteArray canon = QByteArray::fromHex("85c0b687820f11e08111f4ce462b6a48");
    const QByteArray preview = QByteArray::fromHex("eaf42b5e1c984b88b9fbb7dc406e4d16");
    const QByteArray cr3 = box("ftyp", QByteArray("crx \0\0\0\1", 8)) + box("moov", box("uuid", canon + thmb)) +
                           box("uuid", preview + QByteArray(8, '\0') + prvw);
    QTest::newRow("CR3 PRVW and THMB") << cr3 << QList<QSize>{{160, 120}, {1620, 1080}} << 1;
    // A PRVW length beyond its box is held to the box.
    QByteArray overlong = cr3;
    overlong.replace(overlong.indexOf("PRVW") + 16, 4, be32(0x7FFFFFFF));
    QTest::newRow("CR3 PRVW length beyond its box") << overlong << QList<QSize>{{160, 120}, {1620, 1080}} << 1;
    QTest::newRow("no JPEG at the offset")
        << tiffWithAppended([&](uint32_t at) { return TiffBuilder(Le).number(0x201, 4, at).number(0x202, 4, 26); },
                            QByteArray("<Dummy preview image>\0\0\0\0\0", 26))
        << QList<QSize>{} << 1;
}

void TestEmbeddedPreview::layouts()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<QSize>, sizes);
    QFETCH(int, orientation);
    const EmbeddedPreview::Found found = find(file);
    QList<QSize> got;
    for (const auto& candidate : found.candidates) {
        got.append(candidate.size);
        // The range lies inside the file and begins a JPEG.
        QVERIFY(candidate.offset + candidate.length <= quint64(file.size()));
        QCOMPARE(file.mid(qsizetype(candidate.offset), 2), QByteArray("\xFF\xD8", 2));
    }
    QCOMPARE(got, sizes);
    QCOMPARE(found.orientation, orientation);
}

void TestEmbeddedPreview::choosesTheCheapestThatCovers()
{
    EmbeddedPreview::Found found;
    found.candidates = {{0, 10, {160, 120}}, {10, 10, {6000, 4000}}, {20, 10, {1620, 1080}}};
    QCOMPARE(EmbeddedPreview::choose(found, {248, 200})->size, QSize(1620, 1080));
    QCOMPARE(EmbeddedPreview::choose(found, {120, 160})->size, QSize(160, 120)); // either way round
    QCOMPARE(EmbeddedPreview::choose(found, {8000, 8000})->size, QSize(6000, 4000));
    QVERIFY(!EmbeddedPreview::choose({}, {248, 200}));
}

// ExifTool's trimmed camera files keep a dummy text where each preview was.
// A test-made JPEG start (17 bytes) in its place shows that the finder
// reaches each preview of the real layout, at the place ExifTool names.
void TestEmbeddedPreview::cameraFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<quint64>>("offsets");
    QTest::addColumn<QList<quint64>>("lengths");
    QTest::newRow("CR2: IFD0 strip, IFD1 thumbnail")
        << "CanonRaw.cr2" << QList<quint64>{8680, 8620} << QList<quint64>{26, 28};
    QTest::newRow("DNG: two SubIFDs") << "DNG.dng" << QList<quint64>{12780, 13070} << QList<quint64>{26, 29};
    QTest::newRow("NEF: SubIFD") << "Nikon.nef" << QList<quint64>{1120} << QList<quint64>{29};
    QTest::newRow("CRW: root heap") << "CanonRaw.crw" << QList<quint64>{48} << QList<quint64>{29};
    // THMB's stated length is the untrimmed one: held to its box.
    QTest::newRow("CR3: THMB and PRVW") << "CanonRaw.cr3" << QList<quint64>{8760, 11395} << QList<quint64>{28, 26};
}

void TestEmbeddedPreview::cameraFiles()
{
    QFETCH(QString, file);
    QFETCH(QList<quint64>, offsets);
    QFETCH(QList<quint64>, lengths);
    QFile in(QStringLiteral(LUMENSCRIBE_TESTDATA "/") + file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QByteArray bytes = in.readAll();
    QVERIFY(find(bytes).candidates.isEmpty()); // the dummies are no JPEGs
    const QByteArray start = QByteArray("\xFF\xD8", 2) +
                             jpegSegment(0xC0, QByteArray::fromHex("0800100020010111"
                                                                   "00")) +
                             QByteArray("\xFF\xD9", 2);
    for (quint64 offset : offsets)
        bytes.replace(qsizetype(offset), start.size(), start);
    const EmbeddedPreview::Found found = find(bytes);
    for (qsizetype i = 0; i < offsets.size(); ++i) {
        const auto at = std::find_if(found.candidates.begin(), found.candidates.end(),
                                     [&](const auto& c) { return c.offset == offsets[i]; });
        QVERIFY2(at != found.candidates.end(), qPrintable(QString::number(offsets[i])));
        QCOMPARE(at->length, lengths[i]);
        QCOMPARE(at->size, QSize(32, 16));
    }
}

QTEST_GUILESS_MAIN(TestEmbeddedPreview)
#include "tst_embeddedpreview.moc"
