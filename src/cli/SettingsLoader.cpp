#include "cli/SettingsLoader.h"

namespace lumenscribe {

std::unique_ptr<MainController> SettingsLoader::load(const QString& configPath, QTextStream& err)
{
    auto controller =
        std::make_unique<MainController>(configPath.isEmpty() ? PreferencesStore() : PreferencesStore(configPath));
    controller->initApplication();
    if (!controller->preferencesProblem().isEmpty())
        //% "%1; starting from the initial settings"
        err << "lumenscribe: " << qtTrId("CliSettingsProblem").arg(controller->preferencesProblem()) << '\n';
    return controller;
}

} // namespace lumenscribe
