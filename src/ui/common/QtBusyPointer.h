#pragma once
#include "platform/IBusyPointer.h"

namespace vinaxo {

// The hourglass of the desktop application; nested calls are counted.
class QtBusyPointer final : public IBusyPointer {
public:
    void ShowBusyPointer() override;
    void ShowNormalPointer() override;

private:
    int m_depth = 0;
};

} // namespace vinaxo
