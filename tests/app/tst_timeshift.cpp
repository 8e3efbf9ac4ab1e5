// Shifts for a camera clock that was wrong: the texts a person types, the
// settings that refuse any other, the camera model a shift per camera goes
// by, and the journal line that keeps the run's shifts.
#include "RunBench.h"
#include "TestFiles.h"
#include "journal/JournalEntry.h"
#include "metadata/CaptureDateFinder.h"
#include "platform/ShiftTable.h"
#include "platform/TimeShift.h"
#include "settings/Settings.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lumenscribe;
using namespace lumenscribe::test;

class TestTimeShift : public QObject
{
    Q_OBJECT

private slots:
    void readsShifts_data();
    void readsShifts();
    void refusesOtherTexts_data();
    void refusesOtherTexts();
    void writesTheShortestText();
    void modelEntriesAndTables();
    void shiftTableAddsTheModelsShift();
    void settingsRefuseBadShifts();
    void modelIsReadOnlyWhenAsked();
    void journalKeepsTheRunsShifts();
    void confirmWindowShowsTheShiftedDate();
};

void TestTimeShift::readsShifts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("seconds");
    QTest::newRow("empty is none") << "" << qint64(0);
    QTest::newRow("blanks are none") << "  " << qint64(0);
    QTest::newRow("+1h") << "+1h" << qint64(3600);
    QTest::newRow("no sign is +") << "1h" << qint64(3600);
    QTest::newRow("-30m") << "-30m" << qint64(-1800);
    QTest::newRow("+90s") << "+90s" << qint64(90);
    QTest::newRow("+1d") << "+1d" << qint64(86400);
    QTest::newRow("+2d3h") << "+2d3h" << qint64(2 * 86400 + 3 * 3600);
    QTest::newRow("all units") << "-1d2h3m4s" << qint64(-93784);
    QTest::newRow("capitals") << "+1H30M" << qint64(5400);
    QTest::newRow("blanks around") << " -5s " << qint64(-5);
    QTest::newRow("h:mm") << "+1:30" << qint64(5400);
    QTest::newRow("h:mm:ss") << "-0:00:05" << qint64(-5);
    QTest::newRow("long h:mm:ss") << "+25:59:59" << qint64(25 * 3600 + 59 * 60 + 59);
    QTest::newRow("zero") << "+0s" << qint64(0);
    QTest::newRow("100 years") << "+36525d" << TimeShift::MaxSeconds;
    QTest::newRow("-100 years") << "-876600h" << -TimeShift::MaxSeconds;
}

void TestTimeShift::readsShifts()
{
    QFETCH(QString, text);
    QFETCH(qint64, seconds);
    TimeShift::Problem problem = TimeShift::Problem::Malformed;
    QCOMPARE(TimeShift::parse(text, &problem), std::optional<qint64>(seconds));
    QCOMPARE(problem, TimeShift::Problem::None);
    // What is written reads back as the same shift.
    QCOMPARE(TimeShift::parse(TimeShift::text(seconds)), std::optional<qint64>(seconds));
}

void TestTimeShift::refusesOtherTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TimeShift::Problem>("problem");
    const auto malformed = TimeShift::Problem::Malformed;
    const auto tooLarge = TimeShift::Problem::TooLarge;
    for (const char* text :
         {"bogus", "+",     "-",       "+-1h",       "1",   "h",     "1x",    "1h1h", "1m1h",  "1h 30m", "1.5h",
          "+1:3",  "+1:60", "+1:30:5", "1:30:00:00", ":30", "1::30", "+1h30", "٣h",   "0x10s", "1h-"})
        QTest::newRow(text) << QString::fromUtf8(text) << malformed;
    QTest::newRow("a day past 100 years") << "+36526d" << tooLarge;
    QTest::newRow("a second past") << "-3155760001s" << tooLarge;
    QTest::newRow("sum past") << "+36525d1s" << tooLarge;
    QTest::newRow("huge clock") << "+999999999:00" << tooLarge;
    // Would overflow 64 bits if read without bound.
    QTest::newRow("digits without end") << "+99999999999999999999999d" << malformed;
    QTest::newRow("twelve nines of days") << "+999999999999d" << tooLarge;
}

void TestTimeShift::refusesOtherTexts()
{
    QFETCH(QString, text);
    QFETCH(TimeShift::Problem, problem);
    TimeShift::Problem found = TimeShift::Problem::None;
    QVERIFY(!TimeShift::parse(text, &found));
    QCOMPARE(found, problem);
    QVERIFY(!TimeShift::isValid(text));
}

void TestTimeShift::writesTheShortestText()
{
    QCOMPARE(TimeShift::text(3600), QStringLiteral("+1h"));
    QCOMPARE(TimeShift::text(-5), QStringLiteral("-5s"));
    QCOMPARE(TimeShift::text(2 * 86400 + 3 * 3600), QStringLiteral("+2d3h"));
    QCOMPARE(TimeShift::text(3595), QStringLiteral("+59m55s"));
    QCOMPARE(TimeShift::text(0), QStringLiteral("+0s"));
    QCOMPARE(TimeShift::text(-TimeShift::MaxSeconds), QStringLiteral("-36525d"));
}

void TestTimeShift::modelEntriesAndTables()
{
    const auto entry = TimeShift::parseModelEntry(u" Canon EOS R6 =-0:00:05");
    QVERIFY(entry);
    QCOMPARE(entry->model, QStringLiteral("Canon EOS R6"));
    QCOMPARE(entry->seconds, qint64(-5));
    // A model may hold "=": the shift is what follows the last one.
    QCOMPARE(TimeShift::parseModelEntry(u"A=B=+1h")->model, QStringLiteral("A=B"));
    TimeShift::Problem problem = TimeShift::Problem::None;
    QVERIFY(!TimeShift::parseModelEntry(u"=+1h", &problem));
    QCOMPARE(problem, TimeShift::Problem::NoModel);
    QVERIFY(!TimeShift::parseModelEntry(u"Canon", &problem));
    QCOMPARE(problem, TimeShift::Problem::Malformed);
    QVERIFY(!TimeShift::parseModelEntry(u"Canon=", &problem)); // no shift says nothing
    QVERIFY(!TimeShift::parseModelEntry(u"Canon=+101y", &problem));
    QVERIFY(!TimeShift::parseModelEntry(u"Canon=+36526d", &problem));
    QCOMPARE(problem, TimeShift::Problem::TooLarge);
    QCOMPARE(TimeShift::modelEntryText(QStringLiteral(" X "), -5), QStringLiteral("X=-5s"));

    QVERIFY(TimeShift::isValidModelTable({}));
    QVERIFY(TimeShift::isValidModelTable({"Canon EOS R6=-5s", "NIKON D70=+1h"}));
    QString bad;
    QVERIFY(!TimeShift::isValidModelTable({"Canon EOS R6=-5s", " canon eos r6=+1h"}, &problem, &bad));
    QCOMPARE(problem, TimeShift::Problem::Repeated);
    QCOMPARE(bad, QStringLiteral(" canon eos r6=+1h"));
    QVERIFY(!TimeShift::isValidModelTable({"Canon EOS R6=-5s", "bogus"}, &problem, &bad));
    QCOMPARE(bad, QStringLiteral("bogus"));
}

void TestTimeShift::shiftTableAddsTheModelsShift()
{
    const ShiftTable table(QStringLiteral("+1h"), {"Canon EOS R6=-5s", "NIKON D70=+2d"});
    QVERIFY(table.needsModel());
    QCOMPARE(table.secondsFor(u""), qint64(3600));
    QCOMPARE(table.secondsFor(u"  canon eos r6 "), qint64(3595));      // trimmed, any letter case
    QCOMPARE(table.secondsFor(u"Canon EOS R6 Mark II"), qint64(3600)); // the whole model, not its start
    QCOMPARE(table.secondsFor(u"NIKON D70"), qint64(3600 + 2 * 86400));
    QCOMPARE(table.description(), QStringLiteral("+1h, Canon EOS R6 -5s, NIKON D70 +2d"));
    QCOMPARE(table.runWideText(), QStringLiteral("+1h"));
    QCOMPARE(table.modelEntries(), (QStringList{"Canon EOS R6=-5s", "NIKON D70=+2d"}));

    const ShiftTable none(QString(), {});
    QVERIFY(none.isEmpty());
    QVERIFY(!none.needsModel()); // so the run reads no model
    QCOMPARE(none.description(), QString());
    QCOMPARE(none.runWideText(), QString());

    // The command line's entries take the place of the stored one for their model.
    QCOMPARE(ShiftTable::merged({"Canon EOS R6=-5s", "NIKON D70=+1h"}, {"nikon d70=-1h", "X=+1s"}),
             (QStringList{"Canon EOS R6=-5s", "nikon d70=-1h", "X=+1s"}));
}

void TestTimeShift::settingsRefuseBadShifts()
{
    Settings settings;
    QCOMPARE(settings.setTimeShift(QStringLiteral("+1h")), Settings::SetResult::Changed);
    QCOMPARE(settings.setTimeShift(QStringLiteral("bogus")), Settings::SetResult::Refused);
    QCOMPARE(settings.setTimeShift(QStringLiteral("+36526d")), Settings::SetResult::Refused);
    QCOMPARE(settings.timeShift(), QStringLiteral("+1h"));
    QCOMPARE(settings.setTimeShift(QString()), Settings::SetResult::Changed); // none
    QCOMPARE(settings.setTimeShiftByModel({"Canon EOS R6=-5s"}), Settings::SetResult::Changed);
    QCOMPARE(settings.setTimeShiftByModel({"Canon EOS R6=-5s", "CANON EOS R6=+1s"}), Settings::SetResult::Refused);
    QCOMPARE(settings.setTimeShiftByModel({"Canon EOS R6"}), Settings::SetResult::Refused);
    QCOMPARE(settings.timeShiftByModel(), QStringList{"Canon EOS R6=-5s"});

    // A settings file with bad texts keeps what was held; the rest loads.
    settings.load(QVariantMap{{"timeShift", "soon"}, {"timeShiftByModel", QStringList{"=1h"}}, {"prefixString", "P"}});
    QCOMPARE(settings.timeShift(), QString());
    QCOMPARE(settings.timeShiftByModel(), QStringList{"Canon EOS R6=-5s"});
    QCOMPARE(settings.prefixString(), QStringLiteral("P"));
}

void TestTimeShift::modelIsReadOnlyWhenAsked()
{
    const QString data = QStringLiteral(LUMENSCRIBE_TESTDATA "/");
    const auto canon = CaptureDateFinder::find(data + QStringLiteral("Canon1DmkIII.jpg"));
    QVERIFY(canon.date);
    QCOMPARE(canon.model, QString()); // the dates-only read files nothing else
    const auto withModel =
        CaptureDateFinder::find(data + QStringLiteral("Canon1DmkIII.jpg"), {}, NativePath::Look::First, true);
    QCOMPARE(withModel.date, canon.date);
    QCOMPARE(withModel.model, QStringLiteral("Canon EOS-1D Mark III"));
    QCOMPARE(
        CaptureDateFinder::find(data + QStringLiteral("exiv2-nikon-d70.jpg"), {}, NativePath::Look::First, true).model,
        QStringLiteral("NIKON D70")); // big-endian
    QCOMPARE(CaptureDateFinder::find(data + QStringLiteral("Stonehenge.heic"), {}, NativePath::Look::First, true).model,
             QStringLiteral("NIKON D5300"));
    // A phone's movie names its model in the QuickTime keys.
    QCOMPARE(CaptureDateFinder::find(data + QStringLiteral("with-gps.mov"), {}, NativePath::Look::First, true).model,
             QStringLiteral("iPhone 6"));

    // The model of IFD0 padded with blanks, as some cameras write it, is
    // trimmed.
    QTemporaryDir dir;
    QByteArray bytes = contentOf(data + QStringLiteral("Canon1DmkIII.jpg"));
    const QByteArray original("Canon EOS-1D Mark III");
    QCOMPARE(bytes.indexOf(original), 152);
    bytes.replace(152, original.size(), QByteArray("  Canon EOS R6       "));
    writeFile(dir.filePath(QStringLiteral("padded.jpg")), bytes);
    const auto padded =
        CaptureDateFinder::find(dir.filePath(QStringLiteral("padded.jpg")), {}, NativePath::Look::First, true);
    QCOMPARE(padded.model, QStringLiteral("Canon EOS R6"));
    QCOMPARE(padded.date, canon.date);
}

void TestTimeShift::journalKeepsTheRunsShifts()
{
    JournalEntry begin;
    begin.kind = JournalEntry::Kind::Begin;
    begin.time = 1700000000;
    begin.paths = QStringLiteral("/card");
    begin.shift = QStringLiteral("+1h");
    begin.shiftByModel = QStringLiteral("Canon EOS R6=-5s\nNIKON D70=+2d");
    const QByteArray line = begin.toLine();
    const auto read = JournalEntry::fromLine(line);
    QVERIFY(read);
    QCOMPARE(read->shift, begin.shift);
    QCOMPARE(read->shiftByModel, begin.shiftByModel);
    QCOMPARE(read->paths, begin.paths);
    // The keys stand in the order older journals have them.
    QVERIFY(line.indexOf("\"paths\"") < line.indexOf("\"shift\""));
    QVERIFY(line.indexOf("\"shiftByModel\"") < line.indexOf("\"time\""));

    // A journal written before shifts existed reads as a run without one.
    const auto old = JournalEntry::fromLine(R"({"op":"begin","paths":"/card","time":1700000000})");
    QVERIFY(old);
    QCOMPARE(old->shift, QString());
    QCOMPARE(old->shiftByModel, QString());
    // A run without a shift writes no key for it.
    begin.shift.clear();
    begin.shiftByModel.clear();
    QVERIFY(!begin.toLine().contains("shift"));
}

void TestTimeShift::confirmWindowShowsTheShiftedDate()
{
    RunBench bench;
    const QString data = QStringLiteral(LUMENSCRIBE_TESTDATA "/");
    writeFile(bench.card() + QStringLiteral("/IMG_1.JPG"), contentOf(data + QStringLiteral("Canon1DmkIII.jpg")));
    writeFile(bench.card() + QStringLiteral("/DSC_2.JPG"), contentOf(data + QStringLiteral("exiv2-nikon-d70.jpg")));
    // No capture date: named by its file time, which no shift touches.
    writeFile(bench.card() + QStringLiteral("/plain.jpg"), QByteArray(64, 'x'));
    const auto canon = CaptureDateFinder::find(bench.card() + QStringLiteral("/IMG_1.JPG")).date;
    const auto nikon = CaptureDateFinder::find(bench.card() + QStringLiteral("/DSC_2.JPG")).date;
    bench.controller->setTimeShift(QStringLiteral("-1d"));
    bench.controller->setTimeShiftByModel({QStringLiteral("NIKON D70=+1:30")});
    bench.controller->setConfirmEachFile(true);
    bench.frontEnd->ciwAnswers = {4, 4, 4};
    bench.runOn({bench.card()});
    const QList<FileReport>& reports = bench.frontEnd->reports;
    QCOMPARE(reports.size(), 3);
    QCOMPARE(bench.frontEnd->shownDates.size(), 3);
    QCOMPARE(reports.at(0).source, bench.card() + QStringLiteral("/DSC_2.JPG"));
    QCOMPARE(reports.at(0).shiftSeconds, qint64(-86400 + 5400));
    QCOMPARE(bench.frontEnd->shownDates.at(0), *nikon - 86400 + 5400);
    QCOMPARE(reports.at(1).shiftSeconds, qint64(-86400));
    QCOMPARE(bench.frontEnd->shownDates.at(1), *canon - 86400);
    QCOMPARE(reports.at(1).date, OptionalInstant(*canon - 86400));
    QCOMPARE(reports.at(2).shiftSeconds, qint64(0));
    QVERIFY(reports.at(2).noCaptureDate);
    QCOMPARE(tree(bench.card()).size(), 3);
    QVERIFY(QFile::exists(bench.card() + QStringLiteral("/2007-02-21_17-02-42.jpg")));
    QVERIFY(QFile::exists(bench.card() + QStringLiteral("/2004-03-29_12-13-46.jpg")));
}

QTEST_GUILESS_MAIN(TestTimeShift)
#include "tst_timeshift.moc"
