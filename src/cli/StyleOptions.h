// The options that pick and adjust a naming style on the command line:
// --style N or --format FMT, and --set KEY=VALUE with the keys of a style's
// settings. Commands work on a private copy, so built-ins can be adjusted
// too without touching the stored styles.
#pragma once

#include "naming/FNGenerators.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <memory>

namespace lumenscribe {

class StyleOptions
{
public:
    void addTo(QCommandLineParser& parser);

    // The style the options describe, or null with a one-line *error.
    std::unique_ptr<NameGenerator> build(const QCommandLineParser& parser, FNGenerators& collection,
                                         QString* error) const;

    // Applies "KEY=VALUE" settings through the style's guarded setters; a
    // key the style does not have or a value it refuses is an error.
    static bool applySettings(NameGenerator& style, const QStringList& settings, QString* error);
    // "true"/"false" become booleans, whole numbers integers, the rest text.
    static QVariant parseValue(const QString& text);

private:
    QCommandLineOption m_style{QStringLiteral("style"),
                               //% "Use style number N."
                               qtTrId("CliStyleOptionStyle"), QStringLiteral("N")};
    QCommandLineOption m_format{QStringLiteral("format"),
                                //% "Use a new style with this format."
                                qtTrId("CliStyleOptionFormat"), QStringLiteral("FMT")};
    QCommandLineOption m_set{QStringLiteral("set"),
                             //% "Set a style setting, e.g. timeFormat=1 (repeatable)."
                             qtTrId("CliStyleOptionSet"), QStringLiteral("KEY=VALUE")};
};

} // namespace lumenscribe
