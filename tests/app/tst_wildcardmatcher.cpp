// The delete rules' wildcard matcher, with its no-backtracking quirks.
#include "platform/WildcardMatcher.h"

#include <QTest>

using lumenscribe::WildcardMatcher;

class TestWildcardMatcher : public QObject
{
    Q_OBJECT

private slots:
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
