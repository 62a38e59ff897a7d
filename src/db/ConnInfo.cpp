#include "db/ConnInfo.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace db {

std::optional<ConnInfo> ConnInfo::parse(QStringView text)
{
    ConnInfo result;
    const qsizetype length = text.size();
    qsizetype at = 0;
    const auto skipSpace = [&] {
        while (at < length && text.at(at).isSpace())
            ++at;
    };
    for (;;) {
        skipSpace();
        if (at >= length)
            break;
        Pair pair;
        while (at < length && text.at(at) != u'=' && !text.at(at).isSpace())
            pair.keyword += text.at(at++);
        skipSpace();
        if (pair.keyword.isEmpty() || at >= length || text.at(at) != u'=')
            return std::nullopt;
        ++at;
        skipSpace();
        if (at < length && text.at(at) == u'\'') {
            ++at;
            bool closed = false;
            while (at < length) {
                const QChar c = text.at(at++);
                if (c == u'\\') {
                    if (at < length)
                        pair.value += text.at(at++);
                } else if (c == u'\'') {
                    closed = true;
                    break;
                } else {
                    pair.value += c;
                }
            }
            if (!closed)
                return std::nullopt;
        } else {
            while (at < length && !text.at(at).isSpace()) {
                const QChar c = text.at(at++);
                if (c == u'\\' && at < length)
                    pair.value += text.at(at++);
                else
                    pair.value += c;
            }
        }
        result.m_pairs.push_back(std::move(pair));
    }
    return result;
}

std::optional<QString> ConnInfo::value(QStringView keyword) const
{
    // The client library takes the last value of a keyword given twice.
    for (auto it = m_pairs.rbegin(); it != m_pairs.rend(); ++it) {
        if (it->keyword == keyword)
            return it->value;
    }
    return std::nullopt;
}

void ConnInfo::set(const QString &keyword, const QString &value)
{
    bool found = false;
    for (Pair &pair : m_pairs) {
        if (pair.keyword == keyword) {
            pair.value = value;
            found = true;
        }
    }
    if (!found)
        m_pairs.push_back({ keyword, value });
}

QString ConnInfo::toString() const
{
    QStringList pieces;
    for (const Pair &pair : m_pairs) {
        QString value = pair.value;
        value.replace(u"\\"_s, u"\\\\"_s).replace(u"'"_s, u"\\'"_s);
        bool plain = !value.isEmpty();
        for (const QChar c : value) {
            if (c.isSpace())
                plain = false;
        }
        pieces.append(pair.keyword + u'=' + (plain ? value : u'\'' + value + u'\''));
    }
    return pieces.join(u' ');
}

} // namespace db
