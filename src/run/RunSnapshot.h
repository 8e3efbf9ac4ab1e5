// Everything a run goes by, copied on the front end's thread when the run
// starts: its settings, its own copies of the current file and folder
// styles, the prefix and suffix. What the person changes meanwhile applies
// from the next run, and nothing the run uses can be changed or deleted
// under it.
#pragma once

#include "naming/NameGenerator.h"
#include "settings/Settings.h"

#include <QString>

namespace lumenscribe {

struct RunSnapshot
{
    Settings::Values settings;
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
    unsigned nameCheckFlags() const { return settings.alertOS9NameLength ? 1u : 0u; }
};

} // namespace lumenscribe
