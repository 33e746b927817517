#pragma once
// The search window: the user's choices for the main list's filter. It is only hidden,
// so the choices are still there the next time.
#include <QDialog>
#include <memory>

namespace Ui { class frmCDSearch; }

namespace vinaxo {

struct AppContext;
struct SearchChoices;

class frmCDSearch : public QDialog {
    Q_OBJECT
public:
    explicit frmCDSearch(AppContext& ctx, QWidget* parent = nullptr);
    ~frmCDSearch() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void refillLists();
    SearchChoices choices() const;
    void onSearchAll(bool ticked);
    void onSearch();

    AppContext& m_ctx;
    std::unique_ptr<Ui::frmCDSearch> ui;
};

} // namespace vinaxo
