#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace support {

// The control (or action) `name` among the descendants of `parent`, as the
// T the test drives it as. A control that is missing, or that is another
// kind of object, is a fault of the window or of the test rather than a
// result to compare: the test program stops at once with a message that
// names the control and what was found, instead of going on with a null
// pointer. It works alike inside a test function and where QVERIFY could
// not return from one (a timer run in a modal dialog's own event loop).
template <typename T> T *control(const QObject *parent, const QString &name)
{
    if (T *found = parent->findChild<T *>(name))
        return found;
    const QString where = parent->objectName().isEmpty()
        ? QString::fromLatin1(parent->metaObject()->className())
        : parent->objectName();
    if (const QObject *other = parent->findChild<QObject *>(name)) {
        qFatal("control %s of %s is a %s, not a %s", qPrintable(name), qPrintable(where),
            other->metaObject()->className(), T::staticMetaObject.className());
    }
    qFatal("%s has no control %s", qPrintable(where), qPrintable(name));
}

} // namespace support
