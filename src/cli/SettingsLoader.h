// Starts the application controller for one command, with the settings of
// --config FILE or the default file, and says once when that file could not
// be used (it has been kept aside, and the initial values apply).
#pragma once

#include "controllers/MainController.h"

#include <QTextStream>
#include <memory>

namespace lumenscribe {

class SettingsLoader
{
public:
    static std::unique_ptr<MainController> load(const QString& configPath, QTextStream& err);
};

} // namespace lumenscribe
