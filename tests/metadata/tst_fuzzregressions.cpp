// Every input the fuzzer once broke the reader with, fed again to the same
// readers the fuzz target calls, so that the fault cannot come back quietly.
#include "ReadEveryWay.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace lumenscribe;

namespace {

const QString RegressionFolder = QStringLiteral(LUMENSCRIBE_TESTDATA "/../metadata/fuzz-regressions");

} // namespace

class TestFuzzRegressions : public QObject
{
    Q_OBJECT

private slots:
    void findingsStayFixed_data();
    void findingsStayFixed();
};

void TestFuzzRegressions::findingsStayFixed_data()
{
    QTest::addColumn<QString>("path");
    const QDir folder(RegressionFolder);
    QVERIFY(folder.exists());
    for (const QString& name : folder.entryList(QDir::Files))
        if (!name.endsWith(u".md"))
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
    // A sanity row: QtTest skips a test function whose table is empty.
    QTest::newRow("empty input") << QString();
}

void TestFuzzRegressions::findingsStayFixed()
{
    QFETCH(QString, path);
    QByteArray bytes;
    if (!path.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        bytes = file.readAll();
    }
    fuzz::readEveryWay(bytes); // a crash or a sanitizer report fails the test
}

QTEST_APPLESS_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
