#include "lookup/SteadyClock.h"

#include <QElapsedTimer>
#include <QHash>
#include <QTimer>

namespace vinaxo {

struct SystemSteadyClock::Impl {
    QElapsedTimer elapsed;
    QHash<int, QTimer*> timers;
    int next = 1;
};

SystemSteadyClock::SystemSteadyClock() : d(new Impl) { d->elapsed.start(); }

SystemSteadyClock::~SystemSteadyClock()
{
    qDeleteAll(d->timers);
    delete d;
}

qint64 SystemSteadyClock::nowMs() const { return d->elapsed.elapsed(); }

int SystemSteadyClock::callAfter(qint64 ms, std::function<void()> fn)
{
    const int id = d->next++;
    auto* t = new QTimer;
    t->setSingleShot(true);
    t->setTimerType(Qt::PreciseTimer);
    QObject::connect(t, &QTimer::timeout, t, [this, id, fn = std::move(fn)] {
        if (QTimer* done = d->timers.take(id))
            done->deleteLater();
        fn();
    });
    d->timers.insert(id, t);
    t->start(int(qBound(qint64(0), ms, qint64(24) * 3600 * 1000)));
    return id;
}

void SystemSteadyClock::cancel(int id)
{
    if (QTimer* t = d->timers.take(id)) {
        t->stop();
        t->deleteLater();
    }
}

} // namespace vinaxo
