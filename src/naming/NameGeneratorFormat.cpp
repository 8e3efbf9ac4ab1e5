// The %-code language: a walk over the format's UTF-16 units that copies
// literals and writes dates, counters, pieces of the old name, the file type
// suffix, the prefix and the suffix.
#include "naming/NameGenerator.h"

#include <QVarLengthArray>
#include <algorithm>

namespace lumenscribe {

namespace {

constexpr int kYearWidth = 4;
constexpr int kFieldWidth = 2;

// Pads like printf's "%0*d": the sign counts toward the width. A name is
// made for every photo of a run, so the digits go straight into the name,
// in one append.
void appendPadded(QVarLengthArray<char16_t, 128>& out, int number, int width)
{
    char16_t digits[12];
    int count = 0;
    qint64 value = number < 0 ? -qint64(number) : qint64(number);
    do {
        digits[count++] = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    if (number < 0)
        out.append(u'-');
    for (int i = count + (number < 0 ? 1 : 0); i < width; ++i)
        out.append(u'0');
    while (count > 0)
        out.append(digits[--count]);
}

void add(QVarLengthArray<char16_t, 128>& out, QStringView text)
{
    out.append(text.utf16(), text.size());
}

QString padded(int number, int width)
{
    QVarLengthArray<char16_t, 128> out;
    appendPadded(out, number, width);
    return QString(reinterpret_cast<const QChar*>(out.constData()), out.size());
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

QString lastPathComponent(const QString& path)
{
    qsizetype end = path.size();
    while (end > 1 && path.at(end - 1) == u'/')
        --end;
    const qsizetype slash = path.lastIndexOf(u'/', end - 1);
    return path.mid(slash + 1, end - slash - 1);
}

// Position of the dot before the extension in a last path component, or -1.
qsizetype extensionDot(const QString& name)
{
    return name.lastIndexOf(u'.');
}

} // namespace

char16_t NameGenerator::specialChars(char16_t c)
{
    return (c == u':' || c == u'/' || c == u'\\' || c == 0) ? u'-' : c;
}

QString NameGenerator::withSafeChars(const QString& text)
{
    QString safe = text;
    for (QChar& c : safe)
        c = QChar(specialChars(c.unicode()));
    return safe;
}

void NameGenerator::appendDigitFormat(NameText& out, char16_t selector, int number, int digits) const
{
    if (selector == 0)
        appendPadded(out, number, digits);
    else
        add(out, processDigitFormat(selector, number, digits));
}

QString NameGenerator::processDigitFormat(char16_t selector, int number, int digits) const
{
    if (selector == 0)
        return padded(number, digits);
    if (selector == u'0')
        return QString::number(number);
    const int k = selector - u'0';
    if (k < 1 || k > digits)
        return {};
    int value = number < 0 ? -number : number;
    for (int i = 1; i < k; ++i)
        value /= 10;
    return QString::number(value % 10);
}

QString NameGenerator::processFormatString(bool example)
{
    m_containsCounter = false;
    m_containsSecondsField = false;
    m_writingExample = example;
    NameText out;
    const QString& format = m_formatString;
    const qsizetype length = format.size();
    qsizetype i = 0;
    while (i < length) {
        const char16_t c = format.at(i).unicode();
        if (c != u'%') {
            out.append(c == u'/' && m_keepsFormatSlashes ? c : specialChars(c));
            ++i;
            continue;
        }
        if (i + 1 >= length)
            break; // a trailing "%" writes nothing and ends the walk
        char16_t code = format.at(i + 1).unicode();
        char16_t selector = 0;
        i += 2;
        if (i < length && format.at(i).unicode() != 0 && isDigit(code)) {
            selector = code;
            code = format.at(i).unicode();
            ++i;
        }
        if (example && (code == u'P' || code == u'S'))
            continue;
        appendCode(out, code, selector);
    }
    return QString(reinterpret_cast<const QChar*>(out.constData()), out.size());
}

void NameGenerator::appendCode(NameText& out, char16_t code, char16_t selector)
{
    switch (code) {
    case u'%':
        out.append(u'%');
        break;
    case u'Y':
        appendDigitFormat(out, selector, m_year, kYearWidth);
        break;
    case u'M':
        appendDigitFormat(out, selector, m_month, kFieldWidth);
        break;
    case u'D':
        appendDigitFormat(out, selector, m_day, kFieldWidth);
        break;
    case u'h':
        appendHour(out, selector);
        break;
    case u'm':
        appendDigitFormat(out, selector, m_minute, kFieldWidth);
        break;
    case u's':
        m_containsSecondsField = true;
        appendDigitFormat(out, selector, m_second, kFieldWidth);
        break;
    case u'f':
        appendSubSeconds(out, selector);
        break;
    case u'A':
        if (m_timeFormat == 1)
            add(out, m_hour < 12 ? u"AM" : u"PM");
        else if (m_timeFormat == 2)
            add(out, m_hour < 12 ? u"am" : u"pm");
        break;
    case u'C':
        appendCounter(out);
        break;
    case u'Q':
        if (m_seqCounterDigits > 0)
            appendPadded(out, m_seqCounter, m_seqCounterDigits);
        else
            add(out, QString::number(m_seqCounter));
        break;
    case u'F':
        appendFileTypeSuffix(out);
        break;
    case u'O':
        add(out, lastPathComponent(m_fileName));
        break;
    case u'o':
        add(out, oldNameWithoutExtension());
        break;
    // Typed text: a "/" in the prefix or suffix must not make a name that
    // points into another folder.
    case u'P':
        add(out, withSafeChars(m_prefixString));
        break;
    case u'S':
        add(out, withSafeChars(m_suffixString));
        break;
    case u'U':
        if (selector >= u'1' && selector <= u'4') {
            const int slot = selector - u'1';
            makeSubString(slot);
            add(out, m_subString[slot]);
        }
        break;
    default:
        break; // unknown codes write nothing
    }
}

void NameGenerator::appendHour(NameText& out, char16_t selector) const
{
    int hour = m_hour;
    if (m_timeFormat != 0) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    appendDigitFormat(out, selector, hour, kFieldWidth);
}

// "%f" writes the digits as the file holds them, at least two ("5" is
// half a second: "50"); "%1f" to "%9f" exactly that many, cut or filled
// with zeros on the right, so that names sort in the order of the frames.
void NameGenerator::appendSubSeconds(NameText& out, char16_t selector) const
{
    const QStringView digits = m_writingExample ? QStringView(kExampleSubSeconds) : QStringView(m_subSeconds);
    const qsizetype wanted =
        selector >= u'1' && selector <= u'9' ? selector - u'0' : std::max<qsizetype>(digits.size(), 2);
    const qsizetype kept = std::min(digits.size(), wanted);
    add(out, digits.first(kept));
    for (qsizetype i = kept; i < wanted; ++i)
        out.append(u'0');
}

void NameGenerator::appendCounter(NameText& out)
{
    m_containsCounter = true;
    if (m_counterOnlyShowForIdenticalFiles && m_counter < 1)
        return;
    const int value = m_counterStartsFromZero ? m_counter : m_counter + 1;
    for (const QChar c : m_counterPrefix)
        out.append(specialChars(c.unicode()));
    appendPadded(out, value, m_counterDigits);
}

void NameGenerator::appendFileTypeSuffix(NameText& out) const
{
    const QString name = lastPathComponent(m_fileName);
    const qsizetype dot = extensionDot(name);
    if (dot < 0 || dot + 1 >= name.size())
        return;
    const QStringView extension = QStringView(name).sliced(dot + 1);
    if (m_fileTypeSuffixCase < 0 || m_fileTypeSuffixCase > 2)
        return;
    if (m_fileTypeSuffixDot)
        out.append(u'.');
    // Camera extensions are ASCII: their case changes in place, unit by unit.
    if (m_fileTypeSuffixCase == 0) {
        add(out, extension);
        return;
    }
    if (!QtPrivate::isAscii(extension)) {
        add(out, m_fileTypeSuffixCase == 1 ? extension.toString().toLower() : extension.toString().toUpper());
        return;
    }
    for (const QChar c : extension) {
        const char16_t unit = c.unicode();
        const bool lower = unit >= u'a' && unit <= u'z';
        const bool upper = unit >= u'A' && unit <= u'Z';
        if (m_fileTypeSuffixCase == 1 && upper)
            out.append(char16_t(unit + 32));
        else if (m_fileTypeSuffixCase == 2 && lower)
            out.append(char16_t(unit - 32));
        else
            out.append(unit);
    }
}

QString NameGenerator::oldNameWithoutExtension() const
{
    const QString name = lastPathComponent(m_fileName);
    const qsizetype dot = extensionDot(name);
    return dot < 0 ? name : name.left(dot);
}

void NameGenerator::makeSubString(int slot)
{
    if (slot < 0 || slot >= kSubStringSlots)
        return;
    QString sourceText;
    const int source = m_subStringSource[slot];
    if (source == 0) {
        sourceText = oldNameWithoutExtension();
    } else if (source >= 1 && source <= kSubStringSlots && source - 1 < slot) {
        makeSubString(source - 1); // a slot only builds on slots before it: no cycle
        sourceText = m_subString[source - 1];
    } else {
        m_subString[slot].clear();
        return;
    }
    // 64-bit arithmetic: the parameters are any stored integers.
    const qint64 length = sourceText.size();
    const qint64 a = m_subStringParamA[slot];
    const qint64 b = m_subStringParamB[slot];
    const qint64 clampedA = std::clamp<qint64>(a, 0, length);
    QString result;
    switch (m_subStringType[slot]) {
    case 0:
        result = sourceText.left(clampedA);
        break;
    case 1:
        result = sourceText.mid(std::clamp<qint64>(length - a, 0, length));
        break;
    case 2:
        result = sourceText.mid(clampedA);
        break;
    case 3:
        result = sourceText.mid(clampedA, std::min(std::max<qint64>(b, 0), length - clampedA));
        break;
    default:
        break;
    }
    m_subString[slot] = result;
}

} // namespace lumenscribe
