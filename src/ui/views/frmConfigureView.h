#pragma once
#include "ui/views/ViewEditor.h"

#include <QDialog>
#include <memory>

namespace Ui { class frmConfigureView; }
class QTreeWidget;

namespace vinaxo {

struct AppContext;

// Defines the views: their columns, column order, report widths and report heading.
// Runs modally (exec()); every way of closing it keeps the edits. Afterwards the view
// last shown is the collection's current view.
class frmConfigureView : public QDialog {
    Q_OBJECT
public:
    explicit frmConfigureView(AppContext& ctx, QWidget* parent = nullptr);
    ~frmConfigureView() override;

    // OK, Esc and the close box all end here: pending edits are stored.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmbViewName_Activated(int index);
    void cmdAddCol_Click();
    void cmdDelCol_Click();
    void cmdMoveUp_Click();
    void cmdMoveDown_Click();
    void cmdChangeWidth_Click();
    void cmdNewView_Click();
    void cmdDeleteView_Click();
    void lvSelectedCols_CurrentChanged();

    void showViewNames();
    void showView();
    void showLists(int availableRow, int selectedRow);
    void showColumn(int selectedRow);

    std::unique_ptr<Ui::frmConfigureView> ui;
    AppContext& m_ctx;
    ViewEditor m_editor;
};

} // namespace vinaxo
