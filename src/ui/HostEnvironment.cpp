#include "ui/HostEnvironment.h"

namespace ui {

namespace {
std::unique_ptr<HostEnvironment> &installed()
{
    static std::unique_ptr<HostEnvironment> environment;
    return environment;
}
} // namespace

bool DefaultHostEnvironment::getEnvironment(Environment &environment) const
{
    environment.majorVersion = kMajorVersion;
    return true;
}

const HostEnvironment &hostEnvironment()
{
    static const DefaultHostEnvironment defaultEnvironment;
    if (const auto &environment = installed())
        return *environment;
    return defaultEnvironment;
}

void installHostEnvironment(std::unique_ptr<HostEnvironment> environment)
{
    installed() = std::move(environment);
}

} // namespace ui
