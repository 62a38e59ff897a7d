#pragma once

#include "ui/HostEnvironment.h"

#include <memory>

namespace support {

// Installs a host for the length of its own life, then restores the default.
class ScopedHostEnvironment
{
public:
    explicit ScopedHostEnvironment(std::unique_ptr<ui::HostEnvironment> environment)
    {
        ui::installHostEnvironment(std::move(environment));
    }
    ~ScopedHostEnvironment() { ui::installHostEnvironment(nullptr); }
    ScopedHostEnvironment(const ScopedHostEnvironment &) = delete;
    ScopedHostEnvironment &operator=(const ScopedHostEnvironment &) = delete;
};

} // namespace support
