#include "settings/SettingsYearProfile.h"

using namespace Qt::StringLiterals;

namespace settings {

const SettingsYearProfile &w_xm_cz1()
{
    static const SettingsYearProfile profile {
        u"w_xm_cz1"_s,
        u"21"_s,
        u"初中一年级项目"_s,
        QSize(1893, 1412),
        QRect(992, 1160, 361, 100),
        QRect(1458, 1160, 361, 100),
        60,
    };
    return profile;
}

const SettingsYearProfile &w_xm_cz2()
{
    static const SettingsYearProfile profile {
        u"w_xm_cz2"_s,
        u"22"_s,
        u"初中二年级项目"_s,
        QSize(1893, 1436),
        QRect(987, 1168, 361, 100),
        QRect(1426, 1168, 361, 100),
        70,
    };
    return profile;
}

const SettingsYearProfile &w_xm_cz3()
{
    static const SettingsYearProfile profile {
        u"w_xm_cz3"_s,
        u"23"_s,
        u"初中三年级项目"_s,
        QSize(1883, 1424),
        QRect(987, 1172, 360, 100),
        QRect(1445, 1168, 360, 100),
        70,
    };
    return profile;
}

const std::array<const SettingsYearProfile *, 3> &settingsYearProfiles()
{
    static const std::array<const SettingsYearProfile *, 3> profiles
        = { &w_xm_cz1(), &w_xm_cz2(), &w_xm_cz3() };
    return profiles;
}

} // namespace settings
