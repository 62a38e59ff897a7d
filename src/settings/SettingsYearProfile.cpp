#include "settings/SettingsYearProfile.h"

using namespace Qt::StringLiterals;

namespace settings {

const SettingsYearProfile &firstYearSettings()
{
    static const SettingsYearProfile profile {
        .className = u"w_xm_cz1"_s,
        .yearCode = u"21"_s,
        .title = u"初中一年级项目"_s,
        .outerSize = QSize(1893, 1412),
        .saveButtonRect = QRect(992, 1160, 361, 100),
        .closeButtonRect = QRect(1458, 1160, 361, 100),
        .closeTabOrder = 60,
    };
    return profile;
}

const SettingsYearProfile &secondYearSettings()
{
    static const SettingsYearProfile profile {
        .className = u"w_xm_cz2"_s,
        .yearCode = u"22"_s,
        .title = u"初中二年级项目"_s,
        .outerSize = QSize(1893, 1436),
        .saveButtonRect = QRect(987, 1168, 361, 100),
        .closeButtonRect = QRect(1426, 1168, 361, 100),
        .closeTabOrder = 70,
    };
    return profile;
}

const SettingsYearProfile &thirdYearSettings()
{
    static const SettingsYearProfile profile {
        .className = u"w_xm_cz3"_s,
        .yearCode = u"23"_s,
        .title = u"初中三年级项目"_s,
        .outerSize = QSize(1883, 1424),
        .saveButtonRect = QRect(987, 1172, 360, 100),
        .closeButtonRect = QRect(1445, 1168, 360, 100),
        .closeTabOrder = 70,
    };
    return profile;
}

const std::array<const SettingsYearProfile *, 3> &settingsYearProfiles()
{
    static const std::array<const SettingsYearProfile *, 3> profiles
        = { &firstYearSettings(), &secondYearSettings(), &thirdYearSettings() };
    return profiles;
}

} // namespace settings
