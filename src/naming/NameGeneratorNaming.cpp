// Name making: the new name of a file or folder with the search for a name
// that is not taken, examples and pop-up titles, and the local broken-down
// date the codes print.
#include "naming/NameGenerator.h"
#include "platform/FileProbe.h"
#include "platform/LocalTime.h"

#include <cmath>
#include <ctime>
#include <limits>

namespace lumenscribe {

namespace {

QString joinPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

} // namespace

bool NameGenerator::takeDate(Instant date)
{
    // Cut toward zero to whole seconds, then the C library's local time, so
    // that daylight saving is decided exactly as the rest of the system does.
    const std::optional<std::tm> local = LocalTime::breakDown(date);
    const bool known = local.has_value();
    const std::tm broken = local.value_or(std::tm{});
    // A date that cannot be broken down leaves no fields of the date before
    // it behind: a name made from them would be another photo's.
    m_year = known ? broken.tm_year + 1900 : 0;
    m_month = known ? broken.tm_mon + 1 : 0;
    m_day = known ? broken.tm_mday : 0;
    m_hour = known ? broken.tm_hour : 0;
    m_minute = known ? broken.tm_min : 0;
    m_second = known ? broken.tm_sec : 0;
    return known;
}

QString NameGenerator::makeNewFileNameForFile(const QString& file, const QString& path, Instant date)
{
    m_fileName = file;
    m_counter = 0;
    m_lastNameWasFree = false;
    // No name for a date that names no moment: the caller's name check
    // reports the empty name instead of a name made up from zeros.
    if (!takeDate(date))
        return {};
    const QString name = processFormatString(false);
    if (!nameTaken(joinPath(path, name))) {
        m_lastNameWasFree = true;
        return name;
    }
    // Without a counter code, and with no seconds code to shift (or with
    // counters asked for), the style cannot vary the name: the caller's name
    // check reports the clash.
    if (!m_containsCounter && (m_identicalFileNamesOption == 1 || !m_containsSecondsField))
        return name;
    return searchFreeName(path, date, name);
}

QString NameGenerator::searchFreeName(const QString& path, Instant date, const QString& firstName)
{
    Instant shifted = date;
    // Shifting the time varies the name by itself: the counter stays at 0.
    const bool counting = m_identicalFileNamesOption == 1 || !m_containsSecondsField;
    m_counter = counting ? -1 : 0;
    QString name = firstName;
    for (int pass = 0; pass < kMaxSearchPasses; ++pass) {
        if (m_identicalFileNamesOption == 1) {
            ++m_counter;
        } else if (m_containsSecondsField) {
            shifted += 1.0;
            takeDate(shifted);
        } else {
            ++m_counter;
        }
        name = processFormatString(false);
        if (!nameTaken(joinPath(path, name))) {
            m_lastNameWasFree = true;
            return name;
        }
    }
    // Every name the style could reach is taken: hand back its own first
    // name, with the working fields that made it, for the name check.
    takeDate(date);
    m_counter = 0;
    return processFormatString(false);
}

QString NameGenerator::makeNewFolderNameAtPath(const QString& path, Instant date)
{
    return makeNewFileNameForFile(QString(), path, date);
}

QString NameGenerator::makeNestedFolderName(Instant date)
{
    m_fileName.clear();
    m_counter = 0;
    m_lastNameWasFree = false;
    if (!takeDate(date))
        return {};
    m_keepsFormatSlashes = true;
    const QString name = processFormatString(false);
    m_keepsFormatSlashes = false;
    return name;
}

QString NameGenerator::makeExampleFileNameForDate(Instant date, const QString& exampleFileName)
{
    m_fileName = exampleFileName;
    takeDate(date);
    m_counter = 0;
    return processFormatString(true);
}

QString NameGenerator::makeExampleFolderNameForDate(Instant date)
{
    return makeExampleFileNameForDate(date, QString());
}

QString NameGenerator::popUpStringForDate(OptionalInstant date)
{
    m_fileName = popUpExampleFileName();
    if (date) {
        takeDate(*date);
    } else {
        m_year = 2002;
        m_month = 4;
        m_day = 25;
        m_hour = 21;
        m_minute = 36;
        m_second = 17;
    }
    m_counter = 0;
    return processFormatString(true);
}

OptionalInstant NameGenerator::fileCreationDateForFile(const QString& path)
{
    return fileCreationDateForFile(path, FileProbe::disk());
}

OptionalInstant NameGenerator::fileCreationDateForFile(const QString& path, NameProbe& probe)
{
    return probe.creationDate(path);
}

bool NameGenerator::nameTaken(const QString& path) const
{
    return (m_nameProbe ? *m_nameProbe : FileProbe::disk()).nameTaken(path);
}

} // namespace lumenscribe
