#pragma once

// LockHolder: another program holds the test's database, as a second copy
// of the program, an administrator's job or a psql left open inside a
// transaction would.
//
// - PostgreSQL: a session of its own, on a thread of its own, runs
//   "BEGIN; LOCK TABLE <t> IN ACCESS EXCLUSIVE MODE" for each table and keeps
//   its transaction open.
// - SQLite: the sqlite3 program runs "BEGIN EXCLUSIVE" on the test's file.
//
// Either lets go at release(), at the latest after `atMost`: a program that
// waits for the lock without end then goes on after that time, so that a
// test of its waiting fails on the time it took instead of hanging.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace support {

class LockHolder
{
public:
    LockHolder() = default;
    ~LockHolder();
    LockHolder(const LockHolder &) = delete;
    LockHolder &operator=(const LockHolder &) = delete;

    // Returns once the lock is held; false (with lastError()) when it could
    // not be taken. `tables` counts on PostgreSQL only: SQLite locks the file.
    bool hold(const QStringList &tables, std::chrono::seconds atMost);
    void release();

    QString lastError() const { return m_error; }

private:
    bool holdPostgres(const QStringList &tables, std::chrono::seconds atMost);
    bool holdSqlite(std::chrono::seconds atMost);

    QString m_error;
    // PostgreSQL: the holding session's thread.
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    enum class State { Idle, Taking, Held, Failed, Releasing } m_state = State::Idle;
    // SQLite: the sqlite3 program.
    std::unique_ptr<QProcess> m_sqlite;
};

} // namespace support
