#pragma once
// The clock of spacing and time-outs: the system's steady clock, or one a test moves.
#include <QtGlobal>
#include <functional>

namespace vinaxo {

class ISteadyClock {
public:
    virtual ~ISteadyClock() = default;
    // Milliseconds from an arbitrary start; never goes back.
    virtual qint64 nowMs() const = 0;
    // Calls fn once when ms have passed (from the event loop); the id cancels it.
    virtual int callAfter(qint64 ms, std::function<void()> fn) = 0;
    virtual void cancel(int id) = 0;
};

class SystemSteadyClock final : public ISteadyClock {
public:
    SystemSteadyClock();
    ~SystemSteadyClock() override;
    qint64 nowMs() const override;
    int callAfter(qint64 ms, std::function<void()> fn) override;
    void cancel(int id) override;

private:
    struct Impl;
    Impl* d;
};

} // namespace vinaxo
