#pragma once

#include <sql.h>

#include <utility>

namespace db {

// Owns one ODBC handle (environment, connection or statement) and frees it
// when it goes. A connection must be disconnected before its handle goes.
class OdbcHandle
{
public:
    explicit OdbcHandle(SQLSMALLINT type)
        : m_type(type)
    { }
    ~OdbcHandle() { reset(); }
    OdbcHandle(const OdbcHandle &) = delete;
    OdbcHandle &operator=(const OdbcHandle &) = delete;
    OdbcHandle(OdbcHandle &&other) noexcept
        : m_type(other.m_type)
        , m_handle(std::exchange(other.m_handle, nullptr))
    { }
    OdbcHandle &operator=(OdbcHandle &&other) noexcept
    {
        if (this != &other) {
            reset();
            m_type = other.m_type;
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }

    SQLHANDLE get() const { return m_handle; }
    // For SQLAllocHandle: frees what is held, then hands out the slot.
    SQLHANDLE *out()
    {
        reset();
        return &m_handle;
    }
    void reset()
    {
        if (m_handle != nullptr) {
            SQLFreeHandle(m_type, m_handle);
            m_handle = nullptr;
        }
    }

private:
    SQLSMALLINT m_type;
    SQLHANDLE m_handle = nullptr;
};

} // namespace db
