#include "settings/SettingsWindows.h"

#include "runtime/WindowRegistry.h"
#include "settings/SettingsYearProfile.h"
#include "settings/TestItemSettingsWindow.h"

void registerSettingsWindows(rt::Transaction &sqlca)
{
    for (const settings::SettingsYearProfile *profile : settings::settingsYearProfiles()) {
        rt::WindowRegistry::instance().registerClass(
            profile->className, [profile, &sqlca](QWidget *parent) -> QWidget * {
                return new TestItemSettingsWindow(*profile, sqlca, parent);
            });
    }
}
