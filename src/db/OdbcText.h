#pragma once

#include <QString>

#include <sql.h>
#include <sqlext.h>

namespace db {

// Texts between Qt and the driver manager's wide-character calls, and the
// one test of a call's outcome.

static_assert(
    sizeof(SQLWCHAR) == sizeof(char16_t), "the driver manager must use 2-byte SQLWCHAR (UTF-16)");

inline const SQLWCHAR *toSqlW(const QString &text)
{
    return reinterpret_cast<const SQLWCHAR *>(text.utf16());
}

inline SQLWCHAR *toSqlWMutable(QString &text)
{
    return reinterpret_cast<SQLWCHAR *>(text.data());
}

inline QString fromSqlW(const SQLWCHAR *text, qsizetype length)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(text), length);
}

inline bool succeeded(SQLRETURN rc)
{
    return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
}

} // namespace db
