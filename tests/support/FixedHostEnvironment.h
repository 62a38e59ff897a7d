#pragma once

#include "ui/HostEnvironment.h"

namespace support {

// A host that reports a given major version, or whose query fails.
class FixedHostEnvironment : public ui::HostEnvironment
{
public:
    explicit FixedHostEnvironment(int majorVersion, bool queryWorks = true)
        : m_majorVersion(majorVersion)
        , m_queryWorks(queryWorks)
    { }

    bool getEnvironment(ui::Environment &environment) const override
    {
        if (!m_queryWorks)
            return false;
        environment.majorVersion = m_majorVersion;
        return true;
    }

private:
    int m_majorVersion;
    bool m_queryWorks;
};

} // namespace support
