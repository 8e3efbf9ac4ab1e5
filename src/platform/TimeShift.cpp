#include "platform/TimeShift.h"

namespace lumenscribe {

namespace {

constexpr qint64 kUnitSeconds[] = {86400, 3600, 60, 1};
constexpr char16_t kUnitLetters[] = {u'd', u'h', u'm', u's'};
// More digits than this cannot stay under MaxSeconds in any unit.
constexpr qsizetype kMaxDigits = 12;

std::nullopt_t refuse(TimeShift::Problem* problem, TimeShift::Problem what)
{
    if (problem)
        *problem = what;
    return std::nullopt;
}

// The number at `at` in `text`, advancing `at` past it; none when there is
// no digit there or too many.
std::optional<qint64> number(QStringView text, qsizetype& at)
{
    const qsizetype start = at;
    qint64 value = 0;
    while (at < text.size() && text.at(at) >= u'0' && text.at(at) <= u'9') {
        if (at - start >= kMaxDigits)
            return std::nullopt;
        value = value * 10 + (text.at(at).unicode() - u'0');
        ++at;
    }
    if (at == start)
        return std::nullopt;
    return value;
}

int unitIndex(QChar letter)
{
    const QChar lower = letter.toLower();
    for (int i = 0; i < 4; ++i) {
        if (lower == QChar(kUnitLetters[i]))
            return i;
    }
    return -1;
}

// "2d3h", "90s": units in falling order, each once. The magnitude, capped
// per step so that nothing overflows before the bound is checked.
std::optional<qint64> unitsForm(QStringView text)
{
    qsizetype at = 0;
    int lastUnit = -1;
    qint64 total = 0;
    while (at < text.size()) {
        const auto value = number(text, at);
        if (!value || at >= text.size())
            return std::nullopt;
        const int unit = unitIndex(text.at(at++));
        if (unit <= lastUnit)
            return std::nullopt;
        lastUnit = unit;
        total += *value * kUnitSeconds[unit];
        if (total > TimeShift::MaxSeconds)
            return TimeShift::MaxSeconds + 1;
    }
    return total;
}

// "1:30" (h:mm) or "0:00:05" (h:mm:ss); minutes and seconds two digits below 60.
std::optional<qint64> clockForm(QStringView text)
{
    qsizetype at = 0;
    const auto hours = number(text, at);
    if (!hours)
        return std::nullopt;
    qint64 total = *hours;
    int parts = 0;
    for (; parts < 2 && at < text.size(); ++parts) {
        if (text.at(at++) != u':')
            return std::nullopt;
        const qsizetype start = at;
        const auto value = number(text, at);
        if (!value || at - start != 2 || *value >= 60)
            return std::nullopt;
        total = total * 60 + *value;
    }
    if (parts == 0 || at != text.size())
        return std::nullopt;
    return parts == 1 ? total * 60 : total;
}

} // namespace

std::optional<qint64> TimeShift::parse(QStringView text, Problem* problem)
{
    if (problem)
        *problem = Problem::None;
    text = text.trimmed();
    if (text.isEmpty())
        return 0;
    qint64 sign = 1;
    if (text.front() == u'+' || text.front() == u'-') {
        sign = text.front() == u'-' ? -1 : 1;
        text = text.sliced(1);
    }
    const auto magnitude = text.contains(u':') ? clockForm(text) : unitsForm(text);
    if (!magnitude || text.isEmpty())
        return refuse(problem, Problem::Malformed);
    if (*magnitude > MaxSeconds)
        return refuse(problem, Problem::TooLarge);
    return sign * *magnitude;
}

QString TimeShift::text(qint64 seconds)
{
    if (seconds == 0)
        return QStringLiteral("+0s");
    QString result(seconds < 0 ? u'-' : u'+');
    qint64 rest = seconds < 0 ? -seconds : seconds;
    for (int i = 0; i < 4; ++i) {
        if (const qint64 count = rest / kUnitSeconds[i]) {
            result += QString::number(count) + QChar(kUnitLetters[i]);
            rest %= kUnitSeconds[i];
        }
    }
    return result;
}

std::optional<TimeShift::ModelShift> TimeShift::parseModelEntry(QStringView entry, Problem* problem)
{
    const qsizetype equals = entry.lastIndexOf(u'=');
    if (equals < 0)
        return refuse(problem, Problem::Malformed);
    const QStringView model = entry.first(equals).trimmed();
    if (model.isEmpty())
        return refuse(problem, Problem::NoModel);
    const QStringView shift = entry.sliced(equals + 1);
    // "Canon=" says nothing: an entry needs its shift.
    if (shift.trimmed().isEmpty())
        return refuse(problem, Problem::Malformed);
    const auto seconds = parse(shift, problem);
    if (!seconds)
        return std::nullopt;
    return ModelShift{model.toString(), *seconds};
}

QString TimeShift::modelEntryText(const QString& model, qint64 seconds)
{
    return model.trimmed() + u'=' + text(seconds);
}

bool TimeShift::isValidModelTable(const QStringList& entries, Problem* problem, QString* bad)
{
    QStringList models;
    for (const QString& entry : entries) {
        const auto parsed = parseModelEntry(entry, problem);
        bool repeated = false;
        for (const QString& model : models)
            repeated = repeated || (parsed && sameModel(model, parsed->model));
        if (!parsed || repeated) {
            if (repeated)
                refuse(problem, Problem::Repeated);
            if (bad)
                *bad = entry;
            return false;
        }
        models.append(parsed->model);
    }
    if (problem)
        *problem = Problem::None;
    return true;
}

bool TimeShift::sameModel(QStringView a, QStringView b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace lumenscribe
