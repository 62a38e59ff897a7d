#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace db {

// A PostgreSQL client connection string in keyword/value form, as libpq
// reads it ("connect_timeout=5 options='-c lock_timeout=5s'"): pairs
// "keyword = value" separated by white space, a value in single quotes where
// it holds white space, and a backslash escaping the next character. The
// PostgreSQL ODBC driver passes the text of its "pqopt" attribute on to the
// client library in this form.
class ConnInfo
{
public:
    // nullopt when the text is not in that form (libpq would refuse it too).
    static std::optional<ConnInfo> parse(QStringView text);

    std::optional<QString> value(QStringView keyword) const;
    bool contains(QStringView keyword) const { return value(keyword).has_value(); }
    // Replaces the keyword's value, or adds the keyword at the end.
    void set(const QString &keyword, const QString &value);

    // The pairs again, each value quoted where libpq needs it.
    QString toString() const;

private:
    struct Pair
    {
        QString keyword;
        QString value;
    };

    std::vector<Pair> m_pairs;
};

} // namespace db
