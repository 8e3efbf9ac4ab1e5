// The reader on files that are not what a camera wrote: too small, cut short
// at any structure, changing while read, unreadable, or not files at all.
// None may crash, hang or make up a date.
#include "../naming/ScratchFolder.h"
#include "metadata/CaptureDateFinder.h"
#include "metadata/ExifAccess.h"
#include "metadata/ExifDate.h"
#include "metadata/FileSource.h"
#include "metadata/MemorySource.h"
#include "metadata/XmpReader.h"
#include "platform/NativePath.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

using namespace lumenscribe;

namespace {

QByteArray testData(const QString& name)
{
    QFile file(QStringLiteral(LUMENSCRIBE_TESTDATA "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Every date the reader files under a date key; a cut-short file may find
// fewer of them but never another.
std::set<double> datesIn(const ExifDictionary& dictionary)
{
    std::set<double> dates;
    for (const char* key : {"DateTimeOriginal", "DateTimeDigitized", "DateTime"})
        if (const auto* date = dictionary.get<ExifDate>(QString::fromLatin1(key)))
            dates.insert(date->date());
    return dates;
}

std::optional<double> dateOf(const ByteSource& source)
{
    ExifAccess reader;
    reader.readExifInformationFromSource(source);
    const ExifDate* date = reader.evaluateCreationDate();
    return date ? std::optional(date->date()) : std::nullopt;
}

// A source that notes where the readers looked: the ends of those reads are
// the ends of the structures the file holds.
class RecordingSource : public ByteSource
{
public:
    explicit RecordingSource(QByteArrayView bytes) : m_inner(bytes) {}
    quint64 size() const override { return m_inner.size(); }
    bool read(quint64 offset, std::span<uint8_t> out) const override
    {
        cuts.insert(offset);
        cuts.insert(offset + out.size() - 1);
        cuts.insert(offset + out.size());
        return m_inner.read(offset, out);
    }
    mutable std::set<quint64> cuts;

private:
    MemorySource m_inner;
};

// Runs `work` and fails if it does not finish in time. A FIFO that was
// opened by mistake is given a writer, so the test ends instead of hanging.
bool finishesInTime(const std::function<void()>& work, const QByteArray& fifo)
{
    auto done = std::async(std::launch::async, work);
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready)
        return true;
    const int writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
    done.wait();
    ::close(writer);
    return false;
}

} // namespace

class TestFileSource : public QObject
{
    Q_OBJECT

private slots:
    void smallFiles_data();
    void smallFiles();
    void onlyRegularFilesAreOpened_data();
    void onlyRegularFilesAreOpened();
    void fifoCompanionIsPassedOver();
    void sizeChangesWhileRead_data();
    void sizeChangesWhileRead();
    void failingReadsGiveNoDate();
    void unreadableFile();
    void cutShortAtEveryStructure_data();
    void cutShortAtEveryStructure();
};

void TestFileSource::smallFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<quint64>("bytesRead");
    const QByteArray jpeg = testData(QStringLiteral("Canon1DmkIII.jpg"));
    QTest::newRow("empty") << QByteArray() << quint64(0);
    QTest::newRow("32 bytes of a jpeg: too small to read") << jpeg.left(32) << quint64(0);
    QTest::newRow("33 bytes of a jpeg") << jpeg.left(33) << quint64(33);
    QTest::newRow("33 bytes of a tiff header")
        << QByteArray("II*\0\x08\0\0\0", 8) + QByteArray(25, '\xff') << quint64(33);
    QTest::newRow("33 bytes of a crw header")
        << QByteArray("II\x1a\0\0\0HEAPCCDR", 14) + QByteArray(19, '\0') << quint64(33);
    QTest::newRow("33 bytes of a riff header") << QByteArray("RIFF\xff\xff\xff\x7f"
                                                             "AVI LIST",
                                                             16) +
                                                      QByteArray(17, '\xff')
                                               << quint64(33);
}

void TestFileSource::smallFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(quint64, bytesRead);
    test::ScratchFolder dir;
    const QString path = dir.filePath(QStringLiteral("small.jpg"));
    QVERIFY(writeFile(path, content));
    ExifAccess reader;
    reader.readExifInformationFromFile(path);
    QVERIFY(!reader.evaluateCreationDate());
    QCOMPARE(reader.lastBytesRead(), bytesRead);
}

void TestFileSource::onlyRegularFilesAreOpened_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("fifo without a writer") << "fifo";
    QTest::newRow("folder") << "folder";
    QTest::newRow("endless device") << "/dev/zero";
    QTest::newRow("terminal-like device") << "/dev/tty";
}

void TestFileSource::onlyRegularFilesAreOpened()
{
    QFETCH(QString, kind);
    test::ScratchFolder dir;
    const QByteArray fifo = dir.raw() + "/fifo";
    QVERIFY(::mkfifo(fifo.constData(), 0644) == 0);
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString path = kind.startsWith(u'/') ? kind : dir.filePath(kind);
    if (!QFile::exists(path))
        QSKIP("no such device here");

    FileSource source(path);
    QVERIFY(!source.isOpen());
    QCOMPARE(source.openError(), NativePath::NotRegularFile);
    QVERIFY(finishesInTime([&] { QVERIFY(!CaptureDateFinder::find(path).date); }, fifo));
}

void TestFileSource::fifoCompanionIsPassedOver()
{
    // A FIFO that happens to carry a thumbnail's name must not stop the
    // reader on its way to the movie itself.
    test::ScratchFolder dir;
    const QByteArray fifo = dir.raw() + "/MVI_0314.THM";
    QVERIFY(::mkfifo(fifo.constData(), 0644) == 0);
    const QString movie = dir.filePath(QStringLiteral("MVI_0314.JPG"));
    QVERIFY(writeFile(movie, testData(QStringLiteral("MVI_0314.THM"))));
    CaptureDateFinder::Result result;
    QVERIFY(finishesInTime([&] { result = CaptureDateFinder::find(movie); }, fifo));
    QVERIFY(result.date);
    QCOMPARE(result.source, QStringLiteral("file"));
}

void TestFileSource::sizeChangesWhileRead_data()
{
    QTest::addColumn<qint64>("newSize"); // -1: grows by 1 MiB
    QTest::addColumn<bool>("keepsDate");
    QTest::newRow("emptied") << qint64(0) << false;
    QTest::newRow("cut inside the first block") << qint64(2000) << false;
    QTest::newRow("cut after the exif block") << qint64(3 * FileSource::BlockSize + 1) << true;
    QTest::newRow("grows") << qint64(-1) << true;
}

void TestFileSource::sizeChangesWhileRead()
{
    QFETCH(qint64, newSize);
    QFETCH(bool, keepsDate);
    const QByteArray original = testData(QStringLiteral("P1000244.JPG"));
    const std::optional<double> expected = dateOf(MemorySource(original));
    QVERIFY(expected);
    test::ScratchFolder dir;
    const QString path = dir.filePath(QStringLiteral("P1000244.JPG"));
    QVERIFY(writeFile(path, original));

    const FileSource source(path);
    QVERIFY(source.isOpen());
    if (newSize >= 0) {
        QVERIFY(QFile::resize(path, newSize));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write(QByteArray(1 << 20, '\xff'));
    }
    QCOMPARE(source.size(), quint64(original.size())); // one length for every reader
    QCOMPARE(dateOf(source), keepsDate ? expected : std::nullopt);
}

void TestFileSource::failingReadsGiveNoDate()
{
    // A descriptor that cannot read stands for a disk that fails every read.
    test::ScratchFolder dir;
    const QString path = dir.filePath(QStringLiteral("P1000244.JPG"));
    QVERIFY(writeFile(path, testData(QStringLiteral("P1000244.JPG"))));
    const FileSource source(::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC));
    QVERIFY(source.isOpen());
    QVERIFY(source.size() > 0);
    QVERIFY(!dateOf(source));
}

void TestFileSource::unreadableFile()
{
    if (::geteuid() == 0)
        QSKIP("root reads every file");
    test::ScratchFolder dir;
    const QString path = dir.filePath(QStringLiteral("locked.jpg"));
    QVERIFY(writeFile(path, testData(QStringLiteral("P1000244.JPG"))));
    QVERIFY(QFile::setPermissions(path, {}));
    const FileSource source(path);
    QVERIFY(!source.isOpen());
    QCOMPARE(source.openError(), EACCES);
    QVERIFY(!CaptureDateFinder::find(path).date);
}

void TestFileSource::cutShortAtEveryStructure_data()
{
    QTest::addColumn<QString>("name");
    const QDir data(QStringLiteral(LUMENSCRIBE_TESTDATA));
    for (const QString& name : data.entryList(QDir::Files))
        if (!name.endsWith(u".md"))
            QTest::newRow(qPrintable(name)) << name;
}

void TestFileSource::cutShortAtEveryStructure()
{
    QFETCH(QString, name);
    const QByteArray whole = testData(name);
    const RecordingSource recorder(whole);
    ExifAccess full;
    full.readExifInformationFromSource(recorder);
    std::set<double> known = datesIn(full.exifDict());
    // A file cut before its EXIF may still hold its XMP, whose date is the
    // file's own too.
    ExifDictionary xmp;
    XmpReader::read(xmp, ByteReader(recorder));
    known.merge(datesIn(xmp));

    // The scan touches every byte; past the first few thousand positions
    // the cuts are thinned out so that the test stays fast under ASan.
    std::vector<quint64> cuts(recorder.cuts.begin(), recorder.cuts.end());
    if (cuts.size() > 3000) {
        std::vector<quint64> thinned;
        for (std::size_t i = 0; i < cuts.size(); i += cuts.size() / 1500 + 1)
            thinned.push_back(cuts[i]);
        thinned.insert(thinned.end(), cuts.begin(), cuts.begin() + 1500);
        cuts = std::move(thinned);
    }
    for (const quint64 cut : cuts) {
        if (cut >= quint64(whole.size()))
            continue;
        const std::optional<double> date = dateOf(MemorySource(QByteArrayView(whole).first(qsizetype(cut))));
        if (date && !known.count(*date))
            QFAIL(qPrintable(QStringLiteral("cut at %1 gives %2, not a date of the whole file")
                                 .arg(cut)
                                 .arg(ExifDate::localText(*date))));
    }
}

QTEST_APPLESS_MAIN(TestFileSource)
#include "tst_filesource.moc"
