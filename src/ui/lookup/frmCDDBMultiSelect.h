#pragma once
// The choice among several matches of a lookup: one row per match (title, category, disc
// id); OK takes the chosen row, the first one unless another was picked.
#include <QDialog>
#include <memory>

class QTreeWidgetItem;

namespace Ui {
class frmCDDBMultiSelect;
}

namespace vinaxo {

class CCDInfo;

class frmCDDBMultiSelect : public QDialog {
    Q_OBJECT
public:
    explicit frmCDDBMultiSelect(QWidget* parent = nullptr);
    ~frmCDDBMultiSelect() override;

    void setCDInfo(const CCDInfo* info) { m_info = info; }

    bool SelectionMade() const { return m_selectionMade; }
    QString SelectedTitle() const { return m_title; }
    QString SelectedCategory() const { return m_category; }
    QString SelectedDiscID() const { return m_discId; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void okClicked();
    void rebuild();
    void sizeColumns();
    void take(const QTreeWidgetItem* row);

    std::unique_ptr<Ui::frmCDDBMultiSelect> ui;
    const CCDInfo* m_info = nullptr;
    bool m_selectionMade = false;
    bool m_chosen = false;
    QString m_title, m_category, m_discId;
};

} // namespace vinaxo
