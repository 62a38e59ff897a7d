#pragma once

#include <memory>

namespace ui {

// What the running host reports about itself; the utilities only need its
// major version.
struct Environment
{
    int majorVersion = 0;
};

// The host's environment query. The toolbar utility factory and the
// status-bar utility ask it which host version they run under.
class HostEnvironment
{
public:
    virtual ~HostEnvironment() = default;

    // Fills `environment`; false when the host could not be asked.
    virtual bool getEnvironment(Environment &environment) const = 0;
};

// The host this program runs on: version 8, and the query always works.
class DefaultHostEnvironment : public HostEnvironment
{
public:
    static constexpr int kMajorVersion = 8;
    bool getEnvironment(Environment &environment) const override;
};

// The host in use; the default one unless another has been installed.
const HostEnvironment &hostEnvironment();

// Installs `environment` as the host in use; an empty pointer restores the
// default.
void installHostEnvironment(std::unique_ptr<HostEnvironment> environment);

} // namespace ui
