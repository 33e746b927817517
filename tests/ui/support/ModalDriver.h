#pragma once
// Drives a modal window from a test: the action runs on the window once it is the
// active modal widget (polled from the event loop), so code that calls exec() can be
// tested as a user would answer it.
#include <QString>
#include <functional>

class QWidget;

namespace vinaxo::test {

// Arms a one-shot handler for the next modal widget (of any type, or with this
// objectName when given). Several handlers can be armed; each takes one modal widget,
// in the order they were armed. Fails the test if none appeared within `timeoutMs`.
void whenModal(std::function<void(QWidget*)> action, const QString& objectName = QString(),
               int timeoutMs = 5000);

// True when every armed handler has run.
bool allModalsHandled();

} // namespace vinaxo::test
