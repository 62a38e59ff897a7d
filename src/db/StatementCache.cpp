#include "db/StatementCache.h"

#include <sql.h>

#include <algorithm>
#include <utility>

namespace db {

StatementCache::StatementCache(std::size_t capacity)
    : m_capacity(std::max<std::size_t>(capacity, 1))
{
    m_entries.reserve(m_capacity + 1);
}

OdbcHandle StatementCache::take(const QString &sql)
{
    // Searched from the most recently used end: the statement that runs
    // again and again is found first.
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        if (it->sql == sql) {
            OdbcHandle statement = std::move(it->statement);
            m_entries.erase(std::next(it).base());
            return statement;
        }
    }
    return OdbcHandle(SQL_HANDLE_STMT);
}

void StatementCache::put(const QString &sql, OdbcHandle statement)
{
    if (statement.get() == nullptr)
        return;
    m_entries.push_back({ sql, std::move(statement) });
    if (m_entries.size() > m_capacity)
        m_entries.erase(m_entries.begin());
}

void StatementCache::clear()
{
    m_entries.clear();
}

} // namespace db
