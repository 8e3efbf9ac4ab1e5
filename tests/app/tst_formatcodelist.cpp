// The code picker's list: what each code writes comes from the name maker,
// the format is split into codes and text as the name maker reads it, and a
// format that loses the file type or makes no name is named.
#include "TestDates.h"
#include "controllers/FormatCodeList.h"
#include "naming/NameGenerator.h"

#include <QTest>

using namespace lumenscribe;
using lumenscribe::test::localInstant;
using Span = FormatCodeList::Span;

class TestFormatCodeList : public QObject
{
    Q_OBJECT

private slots:
    void expandsEachCodeAlone();
    void expandingLeavesTheStyleAlone();
    void folderStylesListNoFileCodes();
    void spans_data();
    void spans();
    void problems();
};

void TestFormatCodeList::expandsEachCodeAlone()
{
    NameGenerator style(QStringLiteral("%Y%F"), false);
    style.setTimeFormat(1);
    const Instant date = localInstant(2024, 3, 9, 17, 5, 42);
    const QString file = QStringLiteral("DSC_1234.JPG");
    QCOMPARE(FormatCodeList::expand(style, QStringLiteral("%Y"), date, file), QStringLiteral("2024"));
    QCOMPARE(FormatCodeList::expand(style, QStringLiteral("%M"), date, file), QStringLiteral("03"));
    // The 12-hour clock of the style is the one the picker shows.
    QCOMPARE(FormatCodeList::expand(style, QStringLiteral("%h"), date, file), QStringLiteral("05"));
    QCOMPARE(FormatCodeList::expand(style, QStringLiteral("%A"), date, file), QStringLiteral("PM"));
    QCOMPARE(FormatCodeList::expand(style, QStringLiteral("%o"), date, file), QStringLiteral("DSC_1234"));
    QCOMPARE(FormatCodeList::expand(style, QStringLiteral("%%"), date, file), QStringLiteral("%"));
    // The fraction of the second has an example of its own.
    QCOMPARE(FormatCodeList::expand(style, QStringLiteral("%f"), date, file), QStringLiteral("123"));
    QCOMPARE(FormatCodeList::expand(style, QStringLiteral("%2f"), date, file), QStringLiteral("12"));
    // Every listed code writes what a style with that format would.
    for (const FormatCodeList::Code& code : FormatCodeList::codes(false)) {
        NameGenerator alone(code.code, false);
        alone.takeSettingsFromGenerator(style);
        alone.setFormatString(code.code);
        QCOMPARE(FormatCodeList::expand(style, code.code, date, file), alone.makeExampleFileNameForDate(date, file));
        QVERIFY(!code.description.isEmpty());
    }
}

void TestFormatCodeList::expandingLeavesTheStyleAlone()
{
    NameGenerator builtIn(QStringLiteral("%Y-%M-%D%F"), true);
    const Instant date = localInstant(2024, 3, 9, 17, 5, 42);
    QCOMPARE(FormatCodeList::expand(builtIn, QStringLiteral("%D"), date, QStringLiteral("a.jpg")),
             QStringLiteral("09"));
    QCOMPARE(builtIn.formatString(), QStringLiteral("%Y-%M-%D%F"));
    QVERIFY(builtIn.isReadOnly());
}

void TestFormatCodeList::folderStylesListNoFileCodes()
{
    QStringList folderCodes;
    for (const FormatCodeList::Code& code : FormatCodeList::codes(true))
        folderCodes << code.code;
    QVERIFY(folderCodes.contains(QStringLiteral("%Y")));
    QVERIFY(folderCodes.contains(QStringLiteral("%Q")));
    for (const char* fileCode : {"%F", "%O", "%o", "%1U"})
        QVERIFY2(!folderCodes.contains(QLatin1String(fileCode)), fileCode);
}

void TestFormatCodeList::spans_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QList<Span>>("expected");
    QTest::newRow("empty") << QString() << QList<Span>{};
    QTest::newRow("text only") << QStringLiteral("abc") << QList<Span>{{0, 3, false}};
    QTest::newRow("codes and text") << QStringLiteral("%Y-%M_x%F")
                                    << QList<Span>{
                                           {0, 2, true}, {2, 1, false}, {3, 2, true}, {5, 2, false}, {7, 2, true}};
    QTest::newRow("digit selector") << QStringLiteral("%2Y%1Ux")
                                    << QList<Span>{{0, 3, true}, {3, 3, true}, {6, 1, false}};
    QTest::newRow("percent sign") << QStringLiteral("a%%b") << QList<Span>{{0, 1, false}, {1, 2, true}, {3, 1, false}};
    QTest::newRow("trailing percent") << QStringLiteral("x%") << QList<Span>{{0, 1, false}, {1, 1, true}};
    QTest::newRow("percent and digit at end") << QStringLiteral("%3") << QList<Span>{{0, 2, true}};
}

void TestFormatCodeList::spans()
{
    QFETCH(QString, format);
    QFETCH(QList<Span>, expected);
    QCOMPARE(FormatCodeList::spans(format), expected);
}

void TestFormatCodeList::problems()
{
    NameGenerator file(QStringLiteral("%Y%F"), false);
    QCOMPARE(FormatCodeList::problem(file, QStringLiteral("2024.jpg")), FormatCodeList::Problem::None);
    file.setFormatString(QStringLiteral("%Y"));
    QCOMPARE(FormatCodeList::problem(file, QStringLiteral("2024")), FormatCodeList::Problem::NoFileTypeSuffix);
    QCOMPARE(FormatCodeList::problem(file, QString()), FormatCodeList::Problem::EmptyName);
    // A folder has no file type to lose.
    NameGenerator folder(std::optional<QString>(QStringLiteral("%Y")), false, true);
    QCOMPARE(FormatCodeList::problem(folder, QStringLiteral("2024")), FormatCodeList::Problem::None);
    QVERIFY(!FormatCodeList::problemText(FormatCodeList::Problem::EmptyName).isEmpty());
    QVERIFY(FormatCodeList::problemText(FormatCodeList::Problem::None).isEmpty());
}

QTEST_GUILESS_MAIN(TestFormatCodeList)
#include "tst_formatcodelist.moc"
