#pragma once
// Long operations bracket their work with the busy pointer and report progress; the
// application shows the hourglass and a cancellable progress, tests count the calls.
#include <QString>
#include <QtGlobal>

namespace vinaxo {

class IBusyPointer {
public:
    virtual ~IBusyPointer() = default;
    virtual void ShowBusyPointer() = 0;
    virtual void ShowNormalPointer() = 0;
};

class NullBusyPointer final : public IBusyPointer {
public:
    void ShowBusyPointer() override {}
    void ShowNormalPointer() override {}
};

// Called regularly by long operations; pending events run there. Returns false when
// the user asked to cancel.
class IProgress {
public:
    virtual ~IProgress() = default;
    virtual bool step(qint64 done, qint64 total) = 0;
};

} // namespace vinaxo
