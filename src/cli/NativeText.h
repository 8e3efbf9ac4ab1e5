// Text that crosses the process boundary as bytes: paths from the command
// line and paths printed back. QCoreApplication::arguments() and the UTF-8
// encoder of QTextStream both turn bytes that are not UTF-8 into U+FFFD, so
// a Latin-1 file name would reach the reader as another name and come out
// as yet another. Here such names keep their bytes (see NativePath).
#pragma once

#include "platform/NativePath.h"

#include <QIODevice>
#include <QStringList>
#include <QTextStream>

namespace lumenscribe {

class NativeText
{
public:
    // main() hands over argv before anything else reads it.
    static void remember(int argc, char** argv)
    {
        QList<QByteArray>& raw = rawArguments();
        raw.clear();
        for (int i = 0; i < argc; ++i)
            raw.append(QByteArray(argv[i]));
    }

    // `given` with the arguments that came from argv replaced by their exact
    // decoding. They are matched from the end, each against the lossy
    // decoding Qt made of it, so a list that did not come from argv (a test
    // calling a command directly) is given back unchanged.
    static QStringList arguments(const QStringList& given)
    {
        const QList<QByteArray>& raw = rawArguments();
        QStringList exact = given;
        for (qsizetype i = 1; i < given.size(); ++i) {
            const qsizetype rawIndex = raw.size() - (given.size() - i);
            if (rawIndex < 1 || QString::fromLocal8Bit(raw[rawIndex]) != given[i])
                return given;
            exact[i] = NativePath::decode(raw[rawIndex]);
        }
        return exact;
    }

    // Writes the path as the bytes it names, so that the name printed can be
    // copied back into a shell.
    static void write(QTextStream& stream, const QString& path)
    {
        QIODevice* device = stream.device();
        if (!device) {
            stream << path;
            return;
        }
        stream.flush();
        device->write(NativePath::encode(path));
    }

    // Writes a translated text whose %1 is the path, written as its bytes,
    // and whose %2 is `detail`. Both are inserted as they are: a "%2" in the
    // path stays a "%2".
    static void writeWithPath(QTextStream& stream, const QString& text, const QString& path,
                              const QString& detail = QString())
    {
        const auto fill = [&detail](QString part) { return part.replace(QStringLiteral("%2"), detail); };
        const qsizetype at = text.indexOf(QStringLiteral("%1"));
        if (at < 0) {
            stream << fill(text);
            return;
        }
        stream << fill(text.left(at));
        write(stream, path);
        stream << fill(text.mid(at + 2));
    }

    // A JSON string for the path. A byte that is not UTF-8 is written as the
    // escape of its lone surrogate ("\udce9"), which keeps the output valid
    // UTF-8 and lets a reader such as Python's surrogateescape recover it.
    static QString jsonString(const QString& text)
    {
        QString out = QStringLiteral("\"");
        for (const QChar c : text) {
            const char16_t unit = c.unicode();
            if (unit == u'"' || unit == u'\\')
                out += u'\\' + QString(c);
            else if (unit == u'\n')
                out += QStringLiteral("\\n");
            else if (unit == u'\t')
                out += QStringLiteral("\\t");
            else if (unit < 0x20 || c.isSurrogate())
                out += QStringLiteral("\\u%1").arg(uint(unit), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
        return out + u'"';
    }

private:
    static QList<QByteArray>& rawArguments()
    {
        static QList<QByteArray> raw;
        return raw;
    }
};

} // namespace lumenscribe
