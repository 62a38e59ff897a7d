#include "shell/startpage/StartPageTag.h"

namespace shell::startpage {

QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

QString tagValue(const QString &tag, const QString &key, const QString &defaultValue)
{
    if (tag.isEmpty() || tag == QString(kNoTag) || tag == QString(kNoObject))
        return defaultValue;
    // An empty key would be found at every position without moving on.
    if (key.isEmpty())
        return defaultValue;

    QString rest = tag;
    for (;;) {
        const qsizetype found = rest.indexOf(key, 0, Qt::CaseInsensitive);
        if (found < 0)
            return defaultValue;
        rest = rest.mid(found + key.size());
        qsizetype start = 0;
        while (start < rest.size() && rest.at(start) == u' ')
            ++start;
        rest = rest.mid(start);
        if (rest.startsWith(u'=')) {
            const qsizetype end = rest.indexOf(u';', 1);
            const QString value = end < 0 ? rest.mid(1) : rest.mid(1, end - 1);
            return trimBlanks(value);
        }
    }
}

} // namespace shell::startpage
