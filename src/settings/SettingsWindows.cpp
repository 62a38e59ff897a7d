#include "settings/SettingsWindows.h"

#include "runtime/WindowRegistry.h"
#include "settings/SettingsYearProfile.h"
#include "settings/TestItemSettingsWindow.h"

namespace settings {

void registerSettingsWindows(db::Transaction &sqlca)
{
    for (const SettingsYearProfile *profile : settingsYearProfiles()) {
        rt::WindowRegistry::instance().registerClass(
            profile->className, [profile, &sqlca](QWidget *parent) -> QWidget * {
                return new settings::TestItemSettingsWindow(*profile, sqlca, parent);
            });
    }
}

} // namespace settings
