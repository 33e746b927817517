#include "ui/main/frmCDMLIST.h"
#include "model/Workspace.h"

namespace vinaxo {

frmCDMLIST::frmCDMLIST(Workspace& workspace, QWidget* parent)
    : QMainWindow(parent), m_ws(workspace)
{
    setWindowTitle(QStringLiteral("Vinaxo - Recording Collection"));
    resize(800, 500);
}

} // namespace vinaxo
