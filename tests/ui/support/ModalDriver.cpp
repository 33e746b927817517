#include "support/ModalDriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

namespace vinaxo::test {

namespace {
struct Pending {
    std::function<void(QWidget*)> action;
    QString name;
    int timeoutMs;
    QPointer<QWidget> previous; // the modal widget that was up when armed (not ours)
};
std::deque<Pending>& queue()
{
    static std::deque<Pending> q;
    return q;
}

void poll(std::shared_ptr<QElapsedTimer> clock)
{
    if (queue().empty())
        return;
    Pending& p = queue().front();
    QWidget* modal = QApplication::activeModalWidget();
    const bool fits = modal && modal != p.previous && modal->isVisible()
                      && (p.name.isEmpty() || modal->objectName() == p.name);
    if (fits) {
        auto action = std::move(p.action);
        queue().pop_front();
        clock->restart();
        action(modal);
    } else if (clock->elapsed() > p.timeoutMs) {
        ADD_FAILURE() << "no modal window " << p.name.toStdString() << " appeared";
        queue().pop_front();
        clock->restart();
    }
    if (!queue().empty())
        QTimer::singleShot(10, [clock] { poll(clock); });
}
} // namespace

void whenModal(std::function<void(QWidget*)> action, const QString& objectName, int timeoutMs)
{
    const bool idle = queue().empty();
    queue().push_back({std::move(action), objectName, timeoutMs, QApplication::activeModalWidget()});
    if (idle) {
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        QTimer::singleShot(10, [clock] { poll(clock); });
    }
}

bool allModalsHandled() { return queue().empty(); }

} // namespace vinaxo::test
