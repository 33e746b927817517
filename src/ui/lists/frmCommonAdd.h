#pragma once
#include <QDialog>
#include <memory>

namespace Ui { class frmCommonAdd; }

namespace vinaxo {

// Asks for one new name. OK stays disabled while the name is blank.
class frmCommonAdd : public QDialog {
    Q_OBJECT
public:
    explicit frmCommonAdd(QWidget* parent = nullptr);
    ~frmCommonAdd() override;

    // The kind of item: the label reads "Add new " followed by it.
    void setDescription(const QString& description);
    // The name typed, trimmed.
    QString NewItem() const;
    // True when the window was closed with OK.
    bool Result() const { return m_result; }

private:
    std::unique_ptr<Ui::frmCommonAdd> ui;
    bool m_result = false;
};

} // namespace vinaxo
