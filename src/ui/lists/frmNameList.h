#pragma once
#include "ui/lists/NameListKind.h"

#include <QDialog>
#include <memory>

namespace Ui { class frmNameList; }

namespace vinaxo {

struct AppContext;

// A window that adds names to one of the collection's name lists and deletes names
// no recording uses; frmCategoryList and frmMediumList are its two kinds. Modal
// (exec()); a changed list sets the workspace's refill flag for the entry editor.
class frmNameList : public QDialog {
    Q_OBJECT
public:
    frmNameList(AppContext& ctx, const NameListKind& kind, QWidget* parent = nullptr);
    ~frmNameList() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdAdd_Click();
    void cmdDelete_Click();
    void fillList(const QString& select = QString());

    std::unique_ptr<Ui::frmNameList> ui;
    const NameListKind& m_kind;
    NameListEditor m_editor;
};

class frmCategoryList : public frmNameList {
public:
    explicit frmCategoryList(AppContext& ctx, QWidget* parent = nullptr)
        : frmNameList(ctx, CategoryListKind(), parent) {}
};

class frmMediumList : public frmNameList {
public:
    explicit frmMediumList(AppContext& ctx, QWidget* parent = nullptr)
        : frmNameList(ctx, MediumListKind(), parent) {}
};

} // namespace vinaxo
