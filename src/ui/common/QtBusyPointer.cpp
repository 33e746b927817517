#include "ui/common/QtBusyPointer.h"

#include <QApplication>

namespace vinaxo {

void QtBusyPointer::ShowBusyPointer()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++m_depth;
}

void QtBusyPointer::ShowNormalPointer()
{
    while (m_depth > 0) {
        QApplication::restoreOverrideCursor();
        --m_depth;
    }
}

} // namespace vinaxo
