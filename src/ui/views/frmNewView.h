#pragma once
#include <QDialog>
#include <memory>

namespace Ui { class frmNewView; }

namespace vinaxo {

class CEntries;

// Asks for the name of a new view. After exec(): Result() tells whether a valid new
// name was entered, ViewName() gives it trimmed.
class frmNewView : public QDialog {
    Q_OBJECT
public:
    explicit frmNewView(const CEntries& entries, QWidget* parent = nullptr);
    ~frmNewView() override;

    bool Result() const { return m_result; }
    QString ViewName() const;

private:
    void cmdOK_Click();

    std::unique_ptr<Ui::frmNewView> ui;
    const CEntries& m_entries;
    bool m_result = false;
};

} // namespace vinaxo
