#pragma once
// A steady clock that moves only when the test says so; what falls due then is called.
#include "lookup/SteadyClock.h"

#include <map>
#include <utility>

namespace vinaxo::test {

class FakeClock final : public ISteadyClock {
public:
    qint64 nowMs() const override { return m_now; }
    int callAfter(qint64 ms, std::function<void()> fn) override
    {
        const int id = ++m_next;
        m_due.emplace(id, std::make_pair(m_now + qMax<qint64>(0, ms), std::move(fn)));
        return id;
    }
    void cancel(int id) override { m_due.erase(id); }

    // Moves the clock on, calling in time order whatever falls due on the way.
    void advance(qint64 ms)
    {
        const qint64 until = m_now + ms;
        for (;;) {
            auto next = m_due.end();
            for (auto it = m_due.begin(); it != m_due.end(); ++it) {
                if (it->second.first <= until && (next == m_due.end() || it->second.first < next->second.first))
                    next = it;
            }
            if (next == m_due.end())
                break;
            m_now = qMax(m_now, next->second.first);
            auto fn = std::move(next->second.second);
            m_due.erase(next);
            fn();
        }
        m_now = until;
    }
    std::size_t pending() const { return m_due.size(); }
    // When the earliest callback falls due; -1 when none waits.
    qint64 nextDue() const
    {
        qint64 due = -1;
        for (const auto& [id, entry] : m_due)
            due = due < 0 ? entry.first : qMin(due, entry.first);
        return due;
    }

private:
    qint64 m_now = 100000;
    int m_next = 0;
    std::map<int, std::pair<qint64, std::function<void()>>> m_due;
};

} // namespace vinaxo::test
