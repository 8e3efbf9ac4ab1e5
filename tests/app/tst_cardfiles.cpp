// A camera card as a run finds it: its own files (print order, catalogues,
// the thumbnail cache Windows leaves) are never renamed or deleted, and
// with only photos and movies asked for, anything else is left and listed.
#include "RunBench.h"
#include "TestFiles.h"

#include <QTest>

using namespace lumenscribe;
using lumenscribe::test::contentOf;
using lumenscribe::test::copyData;
using lumenscribe::test::RunBench;
using lumenscribe::test::ScriptedFrontEnd;
using lumenscribe::test::tree;
using lumenscribe::test::writeFile;

namespace {

const QByteArray kPrintOrder("[HDR]\r\nGEN REV = 01.00\r\n[JOB]\r\nPRT PID = 001\r\n");
const QByteArray kThumbs = QByteArray("\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1", 8) + QByteArray(504, '\0');

} // namespace

class TestCardFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void systemFilesUntouchedEvenByDeleteRules();
    void onlyMediaSkipsAndListsTheRest();
    void systemFileNamesAreNarrow_data();
    void systemFileNamesAreNarrow();

private:
    QString card(const QString& path) const { return m_bench->card() + u'/' + path; }
    QString reasonFor(const QString& path) const
    {
        for (const FileReport& report : std::as_const(m_frontEnd->reports)) {
            if (report.source == card(path))
                return report.action == FileReport::Action::Skipped ? report.message : QStringLiteral("not skipped");
        }
        return QStringLiteral("not reported");
    }

    std::unique_ptr<RunBench> m_bench;
    MainController* m_controller = nullptr;
    ScriptedFrontEnd* m_frontEnd = nullptr;
};

void TestCardFiles::init()
{
    m_bench = std::make_unique<RunBench>();
    m_controller = m_bench->controller.get();
    m_frontEnd = m_bench->frontEnd.get();
    copyData(QStringLiteral("Canon1DmkIII.jpg"), card("DCIM/100CANON/IMG_0001.JPG"));
    writeFile(card("DCIM/100CANON/note.txt"), "ask Anna for the rest\n");
    writeFile(card("DCIM/CANONMSC/M0100.CTG"), QByteArray(64, '\x01'));
    writeFile(card("MISC/AUTPRINT.MRK"), kPrintOrder);
    writeFile(card("MISC/AUTXFER.mrk"), kPrintOrder);
    writeFile(card("DCIM/100CANON/Thumbs.db"), kThumbs);
    writeFile(card("desktop.ini"), "[.ShellClassInfo]\r\n");
}

void TestCardFiles::cleanup()
{
    m_bench.reset();
}

void TestCardFiles::systemFilesUntouchedEvenByDeleteRules()
{
    m_controller->setDeleteFilesOptions(int(DeleteRule::MatchingPatterns));
    m_controller->setDeleteFilesPatterns(
        {QStringLiteral("*.MRK"), QStringLiteral("*.CTG"), QStringLiteral("*.db"), QStringLiteral("*.ini")});
    m_bench->runOn({m_bench->card()});
    // Without only photos and movies, the note is named by its file time
    // as before; the card's own files stay as they are.
    const QStringList names = tree(m_bench->card());
    QCOMPARE(names.size(), 7);
    QVERIFY(names.contains(QStringLiteral("DCIM/100CANON/2007-02-22_17-02-42.jpg")));
    QVERIFY(!names.contains(QStringLiteral("DCIM/100CANON/note.txt")));
    for (const char* path : {"DCIM/CANONMSC/M0100.CTG", "MISC/AUTPRINT.MRK", "MISC/AUTXFER.mrk",
                             "DCIM/100CANON/Thumbs.db", "desktop.ini"}) {
        QVERIFY2(names.contains(QString::fromLatin1(path)), path);
        QCOMPARE(reasonFor(QString::fromLatin1(path)), QStringLiteral("camera card system file"));
    }
    QCOMPARE(contentOf(card("MISC/AUTPRINT.MRK")), kPrintOrder);
    QVERIFY(m_frontEnd->alerts.isEmpty());
}

void TestCardFiles::onlyMediaSkipsAndListsTheRest()
{
    QVERIFY(!m_controller->onlyPhotosAndMovies()); // off unless asked for
    m_controller->setOnlyPhotosAndMovies(true);
    // A movie and its thumbnail: the thumbnail goes with it as always.
    copyData(QStringLiteral("RIFF.avi"), card("DCIM/100CANON/MVI_0002.AVI"));
    copyData(QStringLiteral("MVI_0314.THM"), card("DCIM/100CANON/MVI_0002.THM"));
    // Named like a photo, but a note.
    writeFile(card("DCIM/100CANON/IMG_0003.JPG"), "not a photo at all\n");
    m_bench->runOn({m_bench->card()});
    const QStringList names = tree(m_bench->card());
    QCOMPARE(names.size(), 10);
    for (const char* path : {"DCIM/100CANON/note.txt", "DCIM/100CANON/IMG_0003.JPG", "DCIM/CANONMSC/M0100.CTG",
                             "MISC/AUTPRINT.MRK", "DCIM/100CANON/2007-02-22_17-02-42.jpg"})
        QVERIFY2(names.contains(QString::fromLatin1(path)), path);
    QCOMPARE(reasonFor(QStringLiteral("DCIM/100CANON/note.txt")), QStringLiteral("not a photo or movie"));
    QCOMPARE(reasonFor(QStringLiteral("DCIM/100CANON/IMG_0003.JPG")), QStringLiteral("not a photo or movie"));
    QCOMPARE(reasonFor(QStringLiteral("DCIM/100CANON/Thumbs.db")), QStringLiteral("camera card system file"));
    // The movie took its date from the thumbnail, which went with it.
    QVERIFY(!names.contains(QStringLiteral("DCIM/100CANON/MVI_0002.AVI")));
    QVERIFY(!names.contains(QStringLiteral("DCIM/100CANON/MVI_0002.THM")));
}

void TestCardFiles::systemFileNamesAreNarrow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("system");
    QTest::newRow("print order, any case") << "MISC/autprint.mrk" << true;
    QTest::newRow("print order anywhere") << "DCIM/AUTPRINT.MRK" << true;
    QTest::newRow("other mrk in MISC") << "misc/AUTXFER.MRK" << true;
    QTest::newRow("mrk elsewhere is a file") << "DCIM/100CANON/VOICE.MRK" << false;
    QTest::newRow("catalogue") << "DCIM/CANONMSC/m0100.ctg" << true;
    QTest::newRow("thumbs.db") << "THUMBS.DB" << true;
    QTest::newRow("thumbs.db as a stem") << "Thumbs.db.jpg" << false;
    QTest::newRow("desktop.ini") << "Desktop.ini" << true;
}

void TestCardFiles::systemFileNamesAreNarrow()
{
    QFETCH(QString, name);
    QFETCH(bool, system);
    writeFile(card(name), "x");
    m_bench->runOn({card(name)});
    QCOMPARE(reasonFor(name) == QStringLiteral("camera card system file"), system);
    QCOMPARE(QFile::exists(card(name)), system);
}

QTEST_GUILESS_MAIN(TestCardFiles)
#include "tst_cardfiles.moc"
