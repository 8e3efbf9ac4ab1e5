#include "controllers/ControlText.h"

#include <limits>

namespace lumenscribe {

namespace {

struct Parsed
{
    int value = 0;
    qsizetype end = 0;
    bool hasDigits = false;
    bool clamped = false;
};

Parsed parseLeading(QStringView text)
{
    Parsed parsed;
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Counted in 64 bits and held there, so a long run of digits cannot wrap.
    const qint64 limit = qint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    qint64 magnitude = 0;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        if (magnitude > limit) {
            magnitude = limit;
            parsed.clamped = true;
        }
        parsed.hasDigits = true;
        ++i;
    }
    parsed.value = int(negative ? -magnitude : magnitude);
    parsed.end = i;
    return parsed;
}

} // namespace

int ControlText::integerValue(QStringView text)
{
    return parseLeading(text).value;
}

std::optional<int> ControlText::wholeNumber(QStringView text)
{
    const Parsed parsed = parseLeading(text);
    if (!parsed.hasDigits || parsed.clamped || !text.mid(parsed.end).trimmed().isEmpty())
        return std::nullopt;
    return parsed.value;
}

} // namespace lumenscribe
