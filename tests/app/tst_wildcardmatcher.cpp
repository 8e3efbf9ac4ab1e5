// The delete rules and their wildcard matcher, with its no-backtracking quirks.
#include "platform/WildcardMatcher.h"
#include "run/DeleteRules.h"

#include <QTest>

using lumenscribe::DeleteRule;
using lumenscribe::DeleteRules;
using lumenscribe::WildcardMatcher;

class TestWildcardMatcher : public QObject
{
    Q_OBJECT

private slots:
    // Each rule against a matching and a plain name, small and large, and a
    // file whose size could not be read (never small).
    void deleteRules_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("size"); // -1: not known
        QTest::addColumn<bool>("deleted");
        const QList<std::tuple<const char*, QString, qint64>> files = {
            {"match small", "a.gif", 10},      {"match large", "a.gif", 1 << 20}, {"plain small", "a.jpg", 10},
            {"plain large", "a.jpg", 1 << 20}, {"match unknown", "a.gif", -1},    {"plain unknown", "a.jpg", -1}};
        // Expected per rule 0..4 and 7 (no setting knows 7), in the order of files.
        const QList<std::pair<int, QList<bool>>> rules = {
            {0, {false, false, false, false, false, false}}, {1, {true, true, false, false, true, false}},
            {2, {true, false, true, false, false, false}},   {3, {false, false, true, false, false, false}},
            {4, {true, true, true, false, true, false}},     {7, {false, false, false, false, false, false}}};
        for (const auto& [rule, expected] : rules) {
            for (int i = 0; i < files.size(); ++i) {
                const auto& [label, name, size] = files.at(i);
                QTest::addRow("rule %d, %s", rule, label) << rule << name << size << expected.at(i);
            }
        }
    }
    void deleteRules()
    {
        QFETCH(int, rule);
        QFETCH(QString, name);
        QFETCH(qint64, size);
        QFETCH(bool, deleted);
        const std::optional<qint64> known = size < 0 ? std::nullopt : std::optional(size);
        QCOMPARE(DeleteRules::shouldDelete(static_cast<DeleteRule>(rule), name, {QStringLiteral("*.gif")}, known, 100),
                 deleted);
    }

    void match_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("matches");
        QTest::newRow("star suffix") << "a.gif"
                                     << "*.gif" << true;
        QTest::newRow("case matters") << "A.GIF"
                                      << "*.gif" << false;
        QTest::newRow("star stops at first dot") << "a.b.gif"
                                                 << "*.gif" << false;
        QTest::newRow("trailing star needs a character") << "abc"
                                                         << "abc*" << false;
        QTest::newRow("trailing star") << "abcd"
                                       << "abc*" << true;
        QTest::newRow("lone star") << "x"
                                   << "*" << true;
        QTest::newRow("lone star, empty name") << ""
                                               << "*" << false;
        QTest::newRow("empty pattern") << "x"
                                       << "" << false;
        QTest::newRow("empty both") << ""
                                    << "" << true;
        QTest::newRow("question mark") << "a1.jpg"
                                       << "a?.jpg" << true;
        QTest::newRow("question mark needs one") << "a.jpg"
                                                 << "a?.jpg" << false;
        QTest::newRow("stars collapse") << "a.html"
                                        << "**.html" << true;
        QTest::newRow("question after star is literal") << "ab?c"
                                                        << "*?c" << true;
        QTest::newRow("question after star, no literal") << "abc"
                                                         << "*?c" << false;
        QTest::newRow("non-ASCII") << QStringLiteral("Bild_ä.gif") << QStringLiteral("*_ä.gif") << true;
    }
    void match()
    {
        QFETCH(QString, name);
        QFETCH(QString, pattern);
        QFETCH(bool, matches);
        QCOMPARE(WildcardMatcher::nameMatchesPattern(name, pattern), matches);
    }
    void listAnswersAny()
    {
        QVERIFY(WildcardMatcher::nameMatchesPatterns("x.html", {"*.gif", "*.html"}));
        QVERIFY(!WildcardMatcher::nameMatchesPatterns("x.html", {}));
    }
};

QTEST_APPLESS_MAIN(TestWildcardMatcher)
#include "tst_wildcardmatcher.moc"
