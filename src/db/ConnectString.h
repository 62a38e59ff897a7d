#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace db {

// An ODBC connect string as the driver manager and the drivers read it:
// attributes "key=value" separated by ";", keys compared ignoring case, and
// a value in braces ("{...}", with "}}" for a "}" inside) that may hold ";"
// and "=". Where a key is given twice, the first one counts.
//
// The text is kept as it was given; append() only adds attributes at the
// end, so that whatever the caller wrote reaches the driver unchanged.
class ConnectString
{
public:
    explicit ConnectString(const QString &text);

    // The value of `key` (braces removed), or nullopt when it is not given.
    std::optional<QString> value(QStringView key) const;
    bool contains(QStringView key) const { return value(key).has_value(); }

    // Adds key=value at the end, the value in braces where it needs them.
    void append(const QString &key, const QString &value);

    const QString &text() const { return m_text; }

private:
    struct Attribute
    {
        QString key;
        QString value;
    };

    void parse();

    QString m_text;
    std::vector<Attribute> m_attributes;
};

} // namespace db
