#include "db/ConnectString.h"

using namespace Qt::StringLiterals;

namespace db {

ConnectString::ConnectString(const QString &text)
    : m_text(text)
{
    parse();
}

void ConnectString::parse()
{
    m_attributes.clear();
    const qsizetype length = m_text.size();
    qsizetype at = 0;
    while (at < length) {
        const qsizetype equals = m_text.indexOf(u'=', at);
        const qsizetype semicolon = m_text.indexOf(u';', at);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            // A piece without "=" carries nothing; skip it.
            if (semicolon < 0)
                break;
            at = semicolon + 1;
            continue;
        }
        Attribute attribute;
        attribute.key = m_text.mid(at, equals - at).trimmed();
        qsizetype valueAt = equals + 1;
        while (valueAt < length && m_text.at(valueAt).isSpace())
            ++valueAt;
        if (valueAt < length && m_text.at(valueAt) == u'{') {
            // Up to the closing brace; "}}" stands for one "}".
            qsizetype i = valueAt + 1;
            for (; i < length; ++i) {
                const QChar c = m_text.at(i);
                if (c == u'}') {
                    if (i + 1 < length && m_text.at(i + 1) == u'}')
                        ++i;
                    else
                        break;
                }
                attribute.value += c;
            }
            const qsizetype next = m_text.indexOf(u';', qMin(i + 1, length));
            at = next < 0 ? length : next + 1;
        } else {
            const qsizetype end = semicolon < 0 ? length : semicolon;
            attribute.value = m_text.mid(equals + 1, end - equals - 1).trimmed();
            at = end + 1;
        }
        if (!attribute.key.isEmpty())
            m_attributes.push_back(std::move(attribute));
    }
}

std::optional<QString> ConnectString::value(QStringView key) const
{
    for (const Attribute &attribute : m_attributes) {
        if (attribute.key.compare(key, Qt::CaseInsensitive) == 0)
            return attribute.value;
    }
    return std::nullopt;
}

void ConnectString::append(const QString &key, const QString &value)
{
    const bool needsBraces = value.contains(u';') || value.contains(u'{') || value.contains(u'}')
        || value != value.trimmed();
    QString written = value;
    if (needsBraces)
        written = u"{"_s + QString(value).replace(u"}"_s, u"}}"_s) + u"}"_s;
    if (!m_text.isEmpty() && !m_text.trimmed().endsWith(u';'))
        m_text += u';';
    m_text += key + u'=' + written;
    m_attributes.push_back({ key, value });
}

} // namespace db
