#pragma once

#include "db/OdbcHandle.h"

#include <QString>

#include <cstddef>
#include <vector>

namespace db {

// The prepared statements of one connection, keyed by their SQL text, so that
// a statement that runs again (the calculator's height-weight query on every
// leave of the height or weight field) is not allocated and prepared anew.
//
// A statement is taken out while it runs and put back only when it has run
// without fault, its cursor closed and its parameters unbound: one that
// failed is freed instead, so a handle that an error may have spoilt is never
// used again. At most `capacity` statements are kept; putting one more back
// frees the one unused for the longest time. The owner empties the cache
// before it disconnects: statement handles must go before their connection.
class StatementCache
{
public:
    explicit StatementCache(std::size_t capacity = 16);

    // The prepared statement of `sql`, now owned by the caller, or an empty
    // handle when none is kept.
    OdbcHandle take(const QString &sql);
    // Keeps the statement of `sql` as the most recently used one.
    void put(const QString &sql, OdbcHandle statement);
    // Frees every statement.
    void clear();

    std::size_t size() const { return m_entries.size(); }

private:
    struct Entry
    {
        QString sql;
        OdbcHandle statement;
    };

    std::size_t m_capacity;
    // Least recently used first.
    std::vector<Entry> m_entries;
};

} // namespace db
