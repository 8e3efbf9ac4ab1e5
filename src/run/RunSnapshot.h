// Everything a run goes by, copied on the front end's thread when the run
// starts: its settings, its own copies of the current file and folder
// styles, the prefix and suffix. What the person changes meanwhile applies
// from the next run, and nothing the run uses can be changed or deleted
// under it.
#pragma once

#include "naming/NameGenerator.h"

#include <QString>
#include <QStringList>

namespace lumenscribe {

struct RunSnapshot
{
    int downloadOptions = 0;
    QString downloadDestinationFolder;
    int downloadPrefixSuffixType = 0;
    int prefixSuffixType = 0;
    QString prefixString;
    QString suffixString;
    int identicalFileNamesOption = 0;
    bool alertOS9NameLength = false;
    bool confirmEachFile = true;
    int deleteFilesOptions = 0;
    QStringList deleteFilesPatterns;
    int deleteFilesSmallerThankB = 100;
    bool changeCreationDate = false;
    bool fileCreatorIDChange = false;
    quint32 fileCreatorID = 0;
    bool openFilesAfterRenaming = false;
    QString openFilesApplication;
    int fileSeqCounter = 0;
    int folderSeqCounter = 0;
    NameGenerator fileStyle{false};
    NameGenerator folderStyle{true};

    // The program's own files, which no walk takes.
    QString settingsPath;
    QString journalFolder;
    // Plan only: dates and names as the run would make them, nothing touched.
    bool dryRun = false;
    // As if the person answered rename-all before the first file.
    bool renameAllAtStart = false;

    // The flags of the name checks: bit 0 asks for the classic 31-character limit.
    unsigned nameCheckFlags() const { return alertOS9NameLength ? 1u : 0u; }
};

} // namespace lumenscribe
