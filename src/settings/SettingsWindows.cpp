#include "SettingsWindows.h"

#include "SettingsYearProfile.h"
#include "TestItemSettingsWindow.h"
#include "WindowRegistry.h"

void registerSettingsWindows(rt::Transaction &sqlca)
{
    for (const settings::SettingsYearProfile *profile : settings::settingsYearProfiles()) {
        rt::WindowRegistry::instance().registerClass(
            profile->className, [profile, &sqlca](QWidget *parent) -> QWidget * {
                return new TestItemSettingsWindow(*profile, sqlca, parent);
            });
    }
}
