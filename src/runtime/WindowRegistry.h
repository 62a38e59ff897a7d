#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <map>

namespace rt {

// The window classes that can be opened by their class name (the start
// page's tags name them). A class is a factory that makes a new window with
// the given parent. Lookups ignore letter case, as class names do; blanks are part of the name.
class WindowRegistry
{
public:
    using Factory = std::function<QWidget *(QWidget *parent)>;

    static WindowRegistry &instance();

    void registerClass(const QString &className, Factory factory);
    void unregisterClass(const QString &className);
    bool contains(const QString &className) const;

    // A new window of the class, or nullptr when the name names no class.
    QWidget *create(const QString &className, QWidget *parent) const;

private:
    std::map<QString, Factory> m_factories; // keyed by lower-case name
};

} // namespace rt
