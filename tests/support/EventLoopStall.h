#pragma once

// EventLoopStall: how long the user-interface thread went without getting
// to its events while it was measured, which is what a user sees as a
// window that does not answer. A timer of the thread ticks every 20 ms; the
// longest time between two ticks (or between the start, the ticks and the
// reading) is the longest stall.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>

namespace support {

class EventLoopStall
{
public:
    EventLoopStall()
    {
        m_timer.setInterval(20);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { tick(); });
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }

    // The longest stall up to now, in milliseconds.
    qint64 longestMs()
    {
        tick();
        return m_longest;
    }

private:
    void tick()
    {
        const qint64 now = m_clock.elapsed();
        m_longest = std::max(m_longest, now - m_last);
        m_last = now;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

} // namespace support
