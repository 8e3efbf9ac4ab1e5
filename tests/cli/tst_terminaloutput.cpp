// The terminal front end's two streams as one terminal shows them: result
// lines and alerts never share a row with the progress line, and the
// progress line stays in sight between bursts of results.
#include "cli/TerminalOutput.h"

#include <QBuffer>
#include <QTest>

using namespace lumenscribe;

namespace {

// What a terminal shows for the bytes: finished rows and the row the cursor
// is on. Only "\r", "\n" and "erase to the end of the row" are understood.
struct Screen
{
    QStringList rows;
    QString current;

    explicit Screen(const QString& bytes)
    {
        qsizetype cursor = 0;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (bytes.mid(i, 3) == u"\x1b[K") {
                current.truncate(cursor);
                i += 2;
            } else if (bytes[i] == u'\r') {
                cursor = 0;
            } else if (bytes[i] == u'\n') {
                rows.append(current);
                current.clear();
                cursor = 0;
            } else {
                if (cursor < current.size())
                    current[cursor] = bytes[i];
                else
                    current.append(bytes[i]);
                ++cursor;
            }
        }
    }
};

} // namespace

class TestTerminalOutput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void rowsNeverMix();
    void progressStaysInSightBetweenBursts();
    void noProgressWithoutATerminal();

private:
    QString shown() const { return QString::fromUtf8(m_terminal.data()); }

    QBuffer m_terminal;
    std::unique_ptr<QTextStream> m_out;
    std::unique_ptr<QTextStream> m_err;
};

void TestTerminalOutput::init()
{
    m_out.reset();
    m_err.reset();
    m_terminal.close();
    m_terminal.setData(QByteArray());
    QVERIFY(m_terminal.open(QIODevice::WriteOnly));
    // Both streams write to one device, as stdout and stderr to one terminal.
    m_out = std::make_unique<QTextStream>(&m_terminal);
    m_err = std::make_unique<QTextStream>(&m_terminal);
}

void TestTerminalOutput::rowsNeverMix()
{
    TerminalOutput output(*m_out, *m_err, true);
    QStringList expected;
    for (int i = 1; i <= 40; ++i) {
        output.progress(i, 40, QStringLiteral("IMG_%1.JPG").arg(i));
        output.result(QStringLiteral("IMG_%1.JPG -> %1.jpg").arg(i));
        expected.append(QStringLiteral("IMG_%1.JPG -> %1.jpg").arg(i));
        if (i % 10 == 0) {
            QTest::qWait(110); // lets a burst and a redraw fall due
            output.message(QStringLiteral("alert %1").arg(i));
            expected.append(QStringLiteral("alert %1").arg(i));
        }
    }
    output.clearProgress();
    output.message(QStringLiteral("renamed 40"));
    expected.append(QStringLiteral("renamed 40"));
    const Screen screen(shown());
    QCOMPARE(screen.rows, expected);
    QVERIFY(screen.current.isEmpty());
}

void TestTerminalOutput::progressStaysInSightBetweenBursts()
{
    TerminalOutput output(*m_out, *m_err, true);
    output.progress(1, 3, QStringLiteral("IMG_1.JPG"));
    output.result(QStringLiteral("IMG_1.JPG -> a.jpg"));
    output.progress(2, 3, QStringLiteral("IMG_2.JPG")); // too soon to redraw
    output.result(QStringLiteral("IMG_2.JPG -> b.jpg"));
    Screen screen(shown());
    QVERIFY(screen.rows.isEmpty()); // held for the next burst
    QCOMPARE(screen.current, QStringLiteral("[1/3] IMG_1.JPG"));

    QTest::qWait(110);
    output.progress(3, 3, QStringLiteral("IMG_3.JPG"));
    screen = Screen(shown());
    QCOMPARE(screen.rows.size(), 2);
    QCOMPARE(screen.current, QStringLiteral("[3/3] IMG_3.JPG"));
}

void TestTerminalOutput::noProgressWithoutATerminal()
{
    TerminalOutput output(*m_out, *m_err, false);
    output.progress(1, 1, QStringLiteral("IMG_1.JPG"));
    output.result(QStringLiteral("IMG_1.JPG -> a.jpg"));
    output.message(QStringLiteral("renamed 1"));
    QCOMPARE(shown(), QStringLiteral("IMG_1.JPG -> a.jpg\nrenamed 1\n"));
}

QTEST_GUILESS_MAIN(TestTerminalOutput)
#include "tst_terminaloutput.moc"
