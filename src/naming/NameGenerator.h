// One naming style: a format string in the %-code language plus the options
// its codes read, and the working state of the one name being made. A style
// makes one name at a time; callers keep their calls from overlapping.
#pragma once

#include "platform/Instant.h"
#include "platform/NameProbe.h"

#include <QString>
#include <QVarLengthArray>
#include <QVariantMap>
#include <array>
#include <optional>

namespace lumenscribe {

class NameGenerator
{
public:
    static constexpr int kSubStringSlots = 4;
    // Bounds the identical-names search, which could otherwise go round for
    // ever on a format whose seconds code cannot change the name.
    static constexpr int kMaxSearchPasses = 100000;

    static QString defaultFileFormat();
    static QString defaultFolderFormat();
    // The file name that pop-up titles are made for.
    static QString popUpExampleFileName();
    // `text` with specialChars applied to every character: what a typed
    // prefix, suffix or name becomes before it is part of a file name.
    static QString withSafeChars(const QString& text);

    // The four ways to make a style.
    NameGenerator();
    explicit NameGenerator(bool isFolderNameGenerator);
    NameGenerator(const QString& formatString, bool isReadOnly);
    // No format string means the default format of the style's kind.
    NameGenerator(const std::optional<QString>& formatString, bool isReadOnly, bool isFolderNameGenerator);

    void takeSettingsFromGenerator(const NameGenerator& other);
    QVariantMap userDefaultsDictionary() const;
    void initFromUserDefaultsDictionary(const std::optional<QVariantMap>& dictionary);

    // --- recipe: blocked while read-only ---
    bool isReadOnly() const { return m_isReadOnly; }
    void setIsReadOnly(bool value) { m_isReadOnly = value; }
    bool isFolderNameGenerator() const { return m_isFolderNameGenerator; }
    const QString& formatString() const { return m_formatString; }
    void setFormatString(const QString& value);
    int timeFormat() const { return m_timeFormat; }
    void setTimeFormat(int value);
    int counterDigits() const { return m_counterDigits; }
    void setCounterDigits(int value);
    int seqCounterDigits() const { return m_seqCounterDigits; }
    void setSeqCounterDigits(int value);
    bool counterStartsFromZero() const { return m_counterStartsFromZero; }
    void setCounterStartsFromZero(bool value);
    int dateSource() const { return m_dateSource; }
    void setDateSource(int value);
    int fileTypeSuffixCase() const { return m_fileTypeSuffixCase; }
    void setFileTypeSuffixCase(int value);
    bool fileTypeSuffixDot() const { return m_fileTypeSuffixDot; }
    void setFileTypeSuffixDot(bool value);
    void setSubString(int slot, int type, int paramA, int paramB, int source);
    int subStringTypeOfSubstring(int slot) const;
    int subStringParAOfSubstring(int slot) const;
    int subStringParBOfSubstring(int slot) const;
    int subStringSourceOfSubstring(int slot) const;

    // --- run-time fields: open on built-in styles too ---
    const QString& counterPrefix() const { return m_counterPrefix; }
    void setCounterPrefix(const QString& value) { m_counterPrefix = value; }
    bool counterOnlyShowForIdenticalFiles() const { return m_counterOnlyShowForIdenticalFiles; }
    void setCounterOnlyShowForIdenticalFiles(bool value) { m_counterOnlyShowForIdenticalFiles = value; }
    int identicalFileNamesOption() const { return m_identicalFileNamesOption; }
    void setIdenticalFileNamesOption(int value);
    int counter() const { return m_counter; }
    void setCounter(int value) { m_counter = value; }
    int seqCounter() const { return m_seqCounter; }
    void setSeqCounter(int value) { m_seqCounter = value; }
    const QString& prefix() const { return m_prefixString; }
    void setPrefix(const QString& value) { m_prefixString = value; }
    const QString& suffix() const { return m_suffixString; }
    void setSuffix(const QString& value) { m_suffixString = value; }
    // The digits of the fraction of the second of the date being named, as
    // the file holds them ("12" for 0.12 s); empty for none. %f writes them.
    const QString& subSeconds() const { return m_subSeconds; }
    void setSubSeconds(const QString& digits) { m_subSeconds = digits; }
    // What %f writes in examples and pop-up titles.
    static constexpr char16_t kExampleSubSeconds[] = u"123";

    // --- working state of the last call ---
    const QString& fileName() const { return m_fileName; }
    // The last makeNewFileNameForFile found nothing at its name (a caller
    // need not look again; it must still never replace what appears since).
    bool lastNameWasFree() const { return m_lastNameWasFree; }
    // Where the free-name question goes; null for the disk itself. Not
    // owned; a copy of the style shares it.
    void setNameProbe(NameProbe* probe) { m_nameProbe = probe; }
    bool containsCounter() const { return m_containsCounter; }
    bool containsSecondsField() const { return m_containsSecondsField; }
    QString subString(int slot) const;
    int year() const { return m_year; }
    int month() const { return m_month; }
    int day() const { return m_day; }
    int hour() const { return m_hour; }
    int minute() const { return m_minute; }
    int second() const { return m_second; }

    // --- the format language ---
    QString processFormatString(bool example);
    QString processDigitFormat(char16_t selector, int number, int digits) const;
    // A name is put together in place, then made a QString once: a name is
    // made for every photo of a run.
    using NameText = QVarLengthArray<char16_t, 128>;
    void appendDigitFormat(NameText& out, char16_t selector, int number, int digits) const;
    void makeSubString(int slot);
    static char16_t specialChars(char16_t c);

    // --- name making ---
    QString makeNewFileNameForFile(const QString& file, const QString& path, Instant date);
    QString makeNewFolderNameAtPath(const QString& path, Instant date);
    // The relative path of a folder of folders ("2024/2024-05-06"): a "/"
    // the format itself holds stays, everything else is made safe as in any
    // name. No search for a free name: a folder already there is used.
    // Empty for a date that names no moment.
    QString makeNestedFolderName(Instant date);
    QString makeExampleFileNameForDate(Instant date, const QString& exampleFileName);
    QString makeExampleFolderNameForDate(Instant date);
    QString popUpStringForDate(OptionalInstant date);
    // False, with every date field 0, for a date local time cannot break down.
    bool takeDate(Instant date);
    static OptionalInstant fileCreationDateForFile(const QString& path);
    // The same question asked of `probe`.
    static OptionalInstant fileCreationDateForFile(const QString& path, NameProbe& probe);

private:
    bool nameTaken(const QString& path) const;
    void appendCode(NameText& out, char16_t code, char16_t selector);
    void appendHour(NameText& out, char16_t selector) const;
    void appendSubSeconds(NameText& out, char16_t selector) const;
    void appendCounter(NameText& out);
    void appendFileTypeSuffix(NameText& out) const;
    QString oldNameWithoutExtension() const;
    QString searchFreeName(const QString& path, Instant date, const QString& firstName);
    void applySettings(const QVariantMap& dictionary);
    void applySlotSettings(const QVariantMap& dictionary, int slot);

    bool m_isReadOnly = false;
    bool m_isFolderNameGenerator = false;
    QString m_formatString;
    int m_timeFormat = 0;
    int m_counterDigits = 3;
    int m_seqCounterDigits = 0;
    bool m_counterStartsFromZero = false;
    QString m_counterPrefix = QStringLiteral("_");
    bool m_counterOnlyShowForIdenticalFiles = true;
    int m_identicalFileNamesOption = 0;
    int m_dateSource = 0;
    int m_fileTypeSuffixCase = 1;
    bool m_fileTypeSuffixDot = true;
    std::array<int, kSubStringSlots> m_subStringType{};
    std::array<int, kSubStringSlots> m_subStringParamA{};
    std::array<int, kSubStringSlots> m_subStringParamB{};
    std::array<int, kSubStringSlots> m_subStringSource{};
    std::array<QString, kSubStringSlots> m_subString{};
    QString m_fileName;
    bool m_containsCounter = false;
    bool m_containsSecondsField = false;
    bool m_lastNameWasFree = false;
    bool m_keepsFormatSlashes = false; // only while a nested folder name is made
    NameProbe* m_nameProbe = nullptr;
    int m_counter = 0;
    int m_seqCounter = 1;
    int m_year = 2002;
    int m_month = 7;
    int m_day = 29;
    int m_hour = 2;
    int m_minute = 45;
    int m_second = 47;
    QString m_prefixString;
    QString m_suffixString;
    QString m_subSeconds;
    bool m_writingExample = false;
};

} // namespace lumenscribe
