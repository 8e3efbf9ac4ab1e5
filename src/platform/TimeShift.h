// A correction for a camera clock that was wrong, as a person writes it:
// "+1h", "-30m", "+2d3h", "+90s" (days, hours, minutes and seconds, each at
// most once and in that order), or a clock reading "+1:30" (h:mm) or
// "-0:00:05" (h:mm:ss). The sign is optional and "+" by default; the empty
// text is no shift. A shift is held as signed seconds, at most 100 years
// either way, so that no date it is added to can overflow.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace lumenscribe {

class TimeShift
{
public:
    static constexpr qint64 MaxSeconds = qint64(36525) * 86400; // 100 years

    enum class Problem
    {
        None,
        Malformed, // not a shift at all
        TooLarge,  // more than MaxSeconds
        NoModel,   // a model entry without a model before its "="
        Repeated,  // a model named twice in one table
    };

    // The seconds of `text`, surrounding blanks ignored; none, with the
    // reason in `problem`, for any other text.
    static std::optional<qint64> parse(QStringView text, Problem* problem = nullptr);
    static bool isValid(QStringView text) { return parse(text).has_value(); }
    // The shortest text that parses back to `seconds`: "+1h", "-5s",
    // "+2d3h"; "+0s" for none.
    static QString text(qint64 seconds);

    // One entry of a per-camera table, "MODEL=SHIFT": the model trimmed, the
    // shift after the last "=".
    struct ModelShift
    {
        QString model;
        qint64 seconds = 0;
    };
    static std::optional<ModelShift> parseModelEntry(QStringView entry, Problem* problem = nullptr);
    static QString modelEntryText(const QString& model, qint64 seconds);
    // A whole table: every entry well formed, no model twice (letter case
    // ignored). `bad`, when given, gets the first entry that is not.
    static bool isValidModelTable(const QStringList& entries, Problem* problem = nullptr, QString* bad = nullptr);
    // Whether the camera model a file names is the table's `model`: equal
    // after trimming, letter case ignored.
    static bool sameModel(QStringView a, QStringView b);
};

} // namespace lumenscribe
