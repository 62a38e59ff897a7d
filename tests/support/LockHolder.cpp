#include "support/LockHolder.h"

#include "db/Transaction.h"
#include "support/TestDatabase.h"

#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace support {

LockHolder::~LockHolder()
{
    release();
}

bool LockHolder::hold(const QStringList &tables, std::chrono::seconds atMost)
{
    release();
    m_error.clear();
    return support::TestDatabase::backend() == support::TestDatabase::Backend::Postgres
        ? holdPostgres(tables, atMost)
        : holdSqlite(atMost);
}

bool LockHolder::holdPostgres(const QStringList &tables, std::chrono::seconds atMost)
{
    m_state = State::Taking;
    m_thread = std::thread([this, tables, atMost] {
        db::Transaction session;
        support::TestDatabase::setUpProgramTransaction(session);
        session.connect();
        QString failure = session.SQLCode == 0 ? QString() : session.SQLErrText;
        for (const QString &table : tables) {
            if (failure.isEmpty()
                && !session.execute(u"LOCK TABLE %1 IN ACCESS EXCLUSIVE MODE"_s.arg(table)))
                failure = table + u": "_s + session.SQLErrText;
        }
        std::unique_lock lock(m_mutex);
        if (!failure.isEmpty()) {
            m_error = failure;
            m_state = State::Failed;
            m_changed.notify_all();
            return;
        }
        m_state = State::Held;
        m_changed.notify_all();
        m_changed.wait_for(lock, atMost, [this] { return m_state == State::Releasing; });
        lock.unlock();
        session.rollback();
        session.disconnect();
    });
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_state == State::Held || m_state == State::Failed; });
    return m_state == State::Held;
}

bool LockHolder::holdSqlite(std::chrono::seconds atMost)
{
    const QString program = QStandardPaths::findExecutable(u"sqlite3"_s);
    const QString file = qEnvironmentVariable("KELVARO_TEST_SQLITE_FILE");
    if (program.isEmpty() || file.isEmpty()) {
        m_error = u"sqlite3 (package sqlite3) or KELVARO_TEST_SQLITE_FILE missing"_s;
        return false;
    }
    m_sqlite = std::make_unique<QProcess>();
    m_sqlite->setProgram(program);
    m_sqlite->setArguments({ file });
    m_sqlite->start();
    if (!m_sqlite->waitForStarted()) {
        m_error = m_sqlite->errorString();
        return false;
    }
    // The program holds the lock while its shell command sleeps, then ends
    // its transaction by itself.
    m_sqlite->write(
        u"BEGIN EXCLUSIVE;\nSELECT 'locked';\n.shell sleep %1\nCOMMIT;\n"_s.arg(atMost.count())
            .toUtf8());
    m_sqlite->closeWriteChannel();
    QByteArray output;
    while (!output.contains("locked")) {
        if (!m_sqlite->waitForReadyRead(10000)) {
            m_error = u"sqlite3 did not take the lock: "_s
                + QString::fromLocal8Bit(m_sqlite->readAllStandardError());
            return false;
        }
        output += m_sqlite->readAllStandardOutput();
    }
    return true;
}

void LockHolder::release()
{
    if (m_thread.joinable()) {
        {
            const std::lock_guard lock(m_mutex);
            if (m_state == State::Held)
                m_state = State::Releasing;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    m_state = State::Idle;
    if (m_sqlite) {
        // Ending the program ends its transaction: the file is free again.
        m_sqlite->kill();
        m_sqlite->waitForFinished();
        m_sqlite.reset();
    }
}

} // namespace support
