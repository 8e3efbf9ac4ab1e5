#include "controllers/FormatCodeList.h"

#include "naming/NameGenerator.h"

#include <QCoreApplication>
#include <algorithm>

namespace lumenscribe {

QList<FormatCodeList::Code> FormatCodeList::codes(bool folderStyle)
{
    QList<Code> all;
    //% "Year"
    all.append({QStringLiteral("%Y"), qtTrId("StylesCodeYear")});
    //% "Month"
    all.append({QStringLiteral("%M"), qtTrId("StylesCodeMonth")});
    //% "Day"
    all.append({QStringLiteral("%D"), qtTrId("StylesCodeDay")});
    //% "Hour"
    all.append({QStringLiteral("%h"), qtTrId("StylesCodeHour")});
    //% "Minute"
    all.append({QStringLiteral("%m"), qtTrId("StylesCodeMinute")});
    //% "Second"
    all.append({QStringLiteral("%s"), qtTrId("StylesCodeSecond")});
    //% "Fraction of the second (%3f: three digits)"
    all.append({QStringLiteral("%f"), qtTrId("StylesCodeSubSecond")});
    //% "AM or PM (12-hour clock)"
    all.append({QStringLiteral("%A"), qtTrId("StylesCodeAmPm")});
    //% "Counter for names already taken"
    all.append({QStringLiteral("%C"), qtTrId("StylesCodeCounter")});
    //% "Sequence number"
    all.append({QStringLiteral("%Q"), qtTrId("StylesCodeSequence")});
    //% "File type suffix"
    all.append({QStringLiteral("%F"), qtTrId("StylesCodeFileType"), true});
    //% "Old name"
    all.append({QStringLiteral("%O"), qtTrId("StylesCodeOldName"), true});
    //% "Old name without file type"
    all.append({QStringLiteral("%o"), qtTrId("StylesCodeOldNameBase"), true});
    //% "Substring 1"
    all.append({QStringLiteral("%1U"), qtTrId("StylesCodeSubString1"), true});
    //% "Substring 2"
    all.append({QStringLiteral("%2U"), qtTrId("StylesCodeSubString2"), true});
    //% "Substring 3"
    all.append({QStringLiteral("%3U"), qtTrId("StylesCodeSubString3"), true});
    //% "Substring 4"
    all.append({QStringLiteral("%4U"), qtTrId("StylesCodeSubString4"), true});
    //% "Prefix"
    all.append({QStringLiteral("%P"), qtTrId("StylesCodePrefix")});
    //% "Suffix"
    all.append({QStringLiteral("%S"), qtTrId("StylesCodeSuffix")});
    //% "Percent sign"
    all.append({QStringLiteral("%%"), qtTrId("StylesCodePercent")});
    if (folderStyle)
        all.removeIf([](const Code& c) { return c.filesOnly; });
    return all;
}

// A copy made with the style's settings and the code as its whole format:
// what the name maker writes is what the picker shows, with no second
// reading of the codes here.
QString FormatCodeList::expand(const NameGenerator& style, const QString& code, Instant date,
                               const QString& exampleFileName)
{
    NameGenerator probe(std::nullopt, false, style.isFolderNameGenerator());
    probe.takeSettingsFromGenerator(style);
    probe.setFormatString(code);
    return style.isFolderNameGenerator() ? probe.makeExampleFolderNameForDate(date)
                                         : probe.makeExampleFileNameForDate(date, exampleFileName);
}

// Read as the name maker reads: "%", then a code, or a digit selector and
// a code; a "%" at the very end is a code that writes nothing.
QList<FormatCodeList::Span> FormatCodeList::spans(const QString& format)
{
    QList<Span> result;
    const int length = int(format.size());
    int i = 0;
    int textStart = 0;
    auto flushText = [&](int end) {
        if (end > textStart)
            result.append({textStart, end - textStart, false});
    };
    while (i < length) {
        if (format.at(i) != u'%') {
            ++i;
            continue;
        }
        flushText(i);
        int end = std::min(i + 2, length);
        if (end < length && format.at(i + 1).isDigit() && format.at(i + 1).unicode() < 128)
            ++end;
        result.append({i, end - i, true});
        i = end;
        textStart = end;
    }
    flushText(length);
    return result;
}

FormatCodeList::Problem FormatCodeList::problem(const NameGenerator& style, const QString& example)
{
    if (example.isEmpty())
        return Problem::EmptyName;
    if (!style.isFolderNameGenerator() && !style.formatString().contains(QLatin1String("%F")))
        return Problem::NoFileTypeSuffix;
    return Problem::None;
}

QString FormatCodeList::problemText(Problem problem)
{
    switch (problem) {
    case Problem::EmptyName:
        //% "This format makes an empty name."
        return qtTrId("StylesProblemEmptyName");
    case Problem::NoFileTypeSuffix:
        //% "Without %F the new names lose their file type suffix (such as .jpg)."
        return qtTrId("StylesProblemNoFileType");
    case Problem::None:
        break;
    }
    return QString();
}

} // namespace lumenscribe
