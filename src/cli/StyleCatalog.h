// The file and folder style collections as the user has them: the built-ins
// plus the custom styles kept in the preferences file.
#pragma once

#include "app/PreferencesStore.h"
#include "naming/FNGenerators.h"

namespace lumenscribe {

class StyleCatalog
{
public:
    // Loads the custom styles; a problem with the file is put in *warning.
    explicit StyleCatalog(const PreferencesStore& store, QString* warning = nullptr);

    FNGenerators& files() { return m_files; }
    FNGenerators& folders() { return m_folders; }
    FNGenerators& collection(bool folder) { return folder ? m_folders : m_files; }

private:
    FNGenerators m_files{false};
    FNGenerators m_folders{true};
};

} // namespace lumenscribe
