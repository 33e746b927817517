#pragma once
#include <QMainWindow>

namespace vinaxo {

class Workspace;

// The main window: the collection's list under the current view.
class frmCDMLIST : public QMainWindow {
    Q_OBJECT
public:
    explicit frmCDMLIST(Workspace& workspace, QWidget* parent = nullptr);

private:
    Workspace& m_ws;
};

} // namespace vinaxo
