// Every application setting, described by one table of keys: the key as the
// settings file stores it, the kind of value, what a setter accepts and the
// initial value. The table drives the guarded setters, loading from and saving
// to a dictionary, and the command line's "config set".
//
// The front end writes the settings while a rename run reads them on its
// worker thread: every access takes one lock, and values() copies all of them
// in one step, so a run can work from a snapshot that no later change tears.
#pragma once

#include "settings/SettingCodes.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <mutex>
#include <span>
#include <variant>

namespace lumenscribe {

// One key per setting, in the order a settings file is loaded.
enum class SettingKey : int
{
    NamingStyle,
    PrefixSuffixType,
    PrefixString,
    SuffixString,
    DownloadOptions,
    DownloadDestinationFolder,
    DownloadNamingStyle,
    DownloadPrefixSuffixType,
    FileCreatorIDChange,
    FileCreatorID,
    ChangeCreationDate,
    OpenFilesAfterRenaming,
    OpenFilesApplication,
    DeleteFilesOptions,
    DeleteFilesPatterns,
    DeleteFilesSmallerThankB,
    IdenticalFileNamesOption,
    FileSeqCounter,
    FolderSeqCounter,
    ShowAdvancedOptions,
    QuitAfterAutoProcessing,
    ConfirmEachFile,
    AlertOS9NameLength,
    // Beyond the classic set: the desktop application shows the names a
    // drop would give before it renames anything.
    ShowNamesFirst,
    // What photographers ask every date renamer for: a shift for a camera
    // clock that was wrong (the whole run, and per camera model), the zone
    // in which stored instants are named, copying instead of moving, pairs
    // that keep one name, and photos and movies only.
    TimeShift,
    TimeShiftByModel,
    NameZone,
    CopyInsteadOfMoving,
    NamePairsTogether,
    OnlyPhotosAndMovies,
};

class Settings : public QObject
{
    Q_OBJECT

public:
    // All settings as plain values. A default-made one holds zeros and empty
    // texts; initialValues() gives the ones a first start begins with.
    struct Values
    {
        int namingStyle = 0;
        int prefixSuffixType = 0;
        QString prefixString;
        QString suffixString;
        int downloadOptions = 0;
        QString downloadDestinationFolder;
        int downloadNamingStyle = 0;
        int downloadPrefixSuffixType = 0;
        bool fileCreatorIDChange = false;
        quint32 fileCreatorID = 0;
        bool changeCreationDate = false;
        bool openFilesAfterRenaming = false;
        QString openFilesApplication;
        int deleteFilesOptions = 0;
        QStringList deleteFilesPatterns;
        int deleteFilesSmallerThankB = 0;
        int identicalFileNamesOption = 0;
        int fileSeqCounter = 0;
        int folderSeqCounter = 0;
        bool showAdvancedOptions = false;
        bool quitAfterAutoProcessing = false;
        bool confirmEachFile = false;
        bool alertOS9NameLength = false;
        bool showNamesFirst = false;
        QString timeShift;
        QStringList timeShiftByModel;
        QString nameZone;
        bool copyInsteadOfMoving = false;
        bool namePairsTogether = false;
        bool onlyPhotosAndMovies = false;

        DownloadOption downloadOption() const { return static_cast<DownloadOption>(downloadOptions); }
        // Any number is stored, as before; one past 4 deletes nothing.
        DeleteRule deleteRule() const { return static_cast<DeleteRule>(deleteFilesOptions); }
        PrefixSuffixType prefixSuffix() const { return static_cast<PrefixSuffixType>(prefixSuffixType); }
        PrefixSuffixType downloadPrefixSuffix() const
        {
            return static_cast<PrefixSuffixType>(downloadPrefixSuffixType);
        }
        IdenticalFileNames identicalFileNames() const
        {
            return static_cast<IdenticalFileNames>(identicalFileNamesOption);
        }
    };

    // The kinds in the order of Field's alternatives.
    enum class Kind
    {
        Int,
        Unsigned,
        Bool,
        Text,
        TextList
    };
    enum class Check
    {
        Any,
        // min to max, both included
        Range,
        // min and above
        AtLeast,
        // Kept only when it names an application that can be started; any
        // other text becomes the empty one (none).
        KnownApplication,
        // "local", "camera" or a time zone name the system knows; any other
        // text is refused.
        NameZone,
        // A time shift as TimeShift reads it ("+1h", "-0:00:05"; empty for none).
        TimeShift,
        // "MODEL=SHIFT" entries, each model once.
        ModelShifts,
    };
    enum class SetResult
    {
        // Missing, of the wrong kind or out of range: the old value stays.
        Refused,
        Unchanged,
        Changed,
    };

    using Field =
        std::variant<int Values::*, quint32 Values::*, bool Values::*, QString Values::*, QStringList Values::*>;
    struct Entry
    {
        SettingKey key;
        // The key in the settings file, spelled as files have always had it.
        const char16_t* name;
        Field field;
        Check check;
        int min;
        int max;
        QVariant (*initial)();

        Kind kind() const { return static_cast<Kind>(field.index()); }
        QString keyText() const { return QString::fromUtf16(name); }
    };

    static std::span<const Entry> entries();
    static const Entry& entry(SettingKey key);
    // The entry stored under `name`, or null for a key that is no setting.
    static const Entry* find(QStringView name);
    static Values initialValues();

    explicit Settings(QObject* parent = nullptr);

    // A copy of every setting, taken in one locked step.
    Values values() const;
    // One setting as the settings file stores it.
    QVariant value(SettingKey key) const;
    // Every setting under its key, as the settings file stores them.
    QVariantMap toMap() const;

    // Takes `key` from a dictionary read from a file: numbers may come as
    // integers, doubles or booleans; a value of the wrong kind counts as
    // missing. It then passes the setter's check.
    SetResult load(SettingKey key, const QVariantMap& map);
    // Every key of the table present in `map`, in table order.
    void load(const QVariantMap& map);
    SetResult setValue(SettingKey key, const QVariant& value);

    int namingStyle() const;
    SetResult setNamingStyle(int value);
    int prefixSuffixType() const;
    PrefixSuffixType prefixSuffix() const { return static_cast<PrefixSuffixType>(prefixSuffixType()); }
    SetResult setPrefixSuffixType(int value);
    QString prefixString() const;
    SetResult setPrefixString(const QString& value);
    QString suffixString() const;
    SetResult setSuffixString(const QString& value);
    int downloadOptions() const;
    DownloadOption downloadOption() const { return static_cast<DownloadOption>(downloadOptions()); }
    SetResult setDownloadOptions(int value);
    QString downloadDestinationFolder() const;
    SetResult setDownloadDestinationFolder(const QString& value);
    int downloadNamingStyle() const;
    SetResult setDownloadNamingStyle(int value);
    int downloadPrefixSuffixType() const;
    PrefixSuffixType downloadPrefixSuffix() const { return static_cast<PrefixSuffixType>(downloadPrefixSuffixType()); }
    SetResult setDownloadPrefixSuffixType(int value);
    bool fileCreatorIDChange() const;
    SetResult setFileCreatorIDChange(bool value);
    quint32 fileCreatorID() const;
    SetResult setFileCreatorID(quint32 value);
    bool changeCreationDate() const;
    SetResult setChangeCreationDate(bool value);
    bool openFilesAfterRenaming() const;
    SetResult setOpenFilesAfterRenaming(bool value);
    QString openFilesApplication() const;
    SetResult setOpenFilesApplication(const QString& value);
    int deleteFilesOptions() const;
    DeleteRule deleteRule() const { return static_cast<DeleteRule>(deleteFilesOptions()); }
    SetResult setDeleteFilesOptions(int value);
    QStringList deleteFilesPatterns() const;
    SetResult setDeleteFilesPatterns(const QStringList& value);
    int deleteFilesSmallerThankB() const;
    SetResult setDeleteFilesSmallerThankB(int value);
    int identicalFileNamesOption() const;
    IdenticalFileNames identicalFileNames() const
    {
        return static_cast<IdenticalFileNames>(identicalFileNamesOption());
    }
    SetResult setIdenticalFileNamesOption(int value);
    int fileSeqCounter() const;
    SetResult setFileSeqCounter(int value);
    int folderSeqCounter() const;
    SetResult setFolderSeqCounter(int value);
    // The run's steps: no notice, as the styles keep the number they were
    // handed for the file or folder in hand.
    void advanceFileSeqCounter();
    void advanceFolderSeqCounter();
    bool showAdvancedOptions() const;
    SetResult setShowAdvancedOptions(bool value);
    bool quitAfterAutoProcessing() const;
    SetResult setQuitAfterAutoProcessing(bool value);
    bool confirmEachFile() const;
    SetResult setConfirmEachFile(bool value);
    bool alertOS9NameLength() const;
    SetResult setAlertOS9NameLength(bool value);
    bool showNamesFirst() const;
    SetResult setShowNamesFirst(bool value);
    QString timeShift() const;
    SetResult setTimeShift(const QString& value);
    QStringList timeShiftByModel() const;
    SetResult setTimeShiftByModel(const QStringList& value);
    QString nameZone() const;
    SetResult setNameZone(const QString& value);
    bool copyInsteadOfMoving() const;
    SetResult setCopyInsteadOfMoving(bool value);
    bool namePairsTogether() const;
    SetResult setNamePairsTogether(bool value);
    bool onlyPhotosAndMovies() const;
    SetResult setOnlyPhotosAndMovies(bool value);

signals:
    // One notice per real change, sent on the thread that made it after the
    // lock is released; a refused value or the value already held sends none.
    void changed(lumenscribe::SettingKey key);

private:
    template <typename T> T get(T Values::*field) const;
    template <typename T> SetResult assign(SettingKey key, T value);

    mutable std::mutex m_mutex;
    Values m_values;
};

} // namespace lumenscribe
