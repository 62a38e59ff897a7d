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

// A host that reports a given version, or whose query fails.
class FixedHostEnvironment : public HostEnvironment
{
public:
    explicit FixedHostEnvironment(int majorVersion, bool queryWorks = true)
        : m_majorVersion(majorVersion)
        , m_queryWorks(queryWorks)
    { }
    bool getEnvironment(Environment &environment) const override;

private:
    int m_majorVersion;
    bool m_queryWorks;
};

// The host in use; the default one unless another has been installed.
const HostEnvironment &hostEnvironment();

// Installs `environment` as the host in use; an empty pointer restores the
// default.
void installHostEnvironment(std::unique_ptr<HostEnvironment> environment);

// Installs a host for the length of its own life, then restores the default.
class ScopedHostEnvironment
{
public:
    explicit ScopedHostEnvironment(std::unique_ptr<HostEnvironment> environment)
    {
        installHostEnvironment(std::move(environment));
    }
    ~ScopedHostEnvironment() { installHostEnvironment(nullptr); }
    ScopedHostEnvironment(const ScopedHostEnvironment &) = delete;
    ScopedHostEnvironment &operator=(const ScopedHostEnvironment &) = delete;
};

} // namespace ui
