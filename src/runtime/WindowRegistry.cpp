#include "runtime/WindowRegistry.h"

namespace rt {

WindowRegistry &WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::registerClass(const QString &className, Factory factory)
{
    m_factories[className.toLower()] = std::move(factory);
}

void WindowRegistry::unregisterClass(const QString &className)
{
    m_factories.erase(className.toLower());
}

bool WindowRegistry::contains(const QString &className) const
{
    return m_factories.count(className.toLower()) != 0;
}

QWidget *WindowRegistry::create(const QString &className, QWidget *parent) const
{
    const auto it = m_factories.find(className.toLower());
    if (it == m_factories.end())
        return nullptr;
    return it->second(parent);
}

} // namespace rt
