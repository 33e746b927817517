#include "ui/entry/frmCDSearch.h"
#include "ui_frmCDSearch.h"

#include "model/FieldLimits.h"
#include "model/Workspace.h"
#include "ui/common/AppContext.h"
#include "ui/common/IWindows.h"
#include "ui/common/TextLimit.h"
#include "ui/entry/SearchRequest.h"

namespace vinaxo {

namespace {
// Fills a list again, keeping the chosen item when it is still there.
void refill(QComboBox* box, const QStringList& names)
{
    const QString chosen = box->currentText();
    box->clear();
    box->addItems(names);
    const int i = box->findText(chosen, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    box->setCurrentIndex(i >= 0 ? i : (names.isEmpty() ? -1 : 0));
}
}

frmCDSearch::frmCDSearch(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), ui(std::make_unique<Ui::frmCDSearch>())
{
    ui->setupUi(this);
    setModal(false);
    // No field holds a longer text, so no longer one can be found.
    TextLimit::cap(ui->TX_SearchField, MaxStoredTextLength, tr("Search for"));
    connect(ui->CHK_SearchAll, &QCheckBox::clicked, this, &frmCDSearch::onSearchAll);
    connect(ui->PB_Search, &QPushButton::clicked, this, &frmCDSearch::onSearch);
    connect(ui->PB_Close, &QPushButton::clicked, this, &QDialog::hide);
    refillLists();
}

frmCDSearch::~frmCDSearch() = default;

void frmCDSearch::showEvent(QShowEvent* e)
{
    // A category or medium added since the last search can be searched for.
    refillLists();
    QDialog::showEvent(e);
}

void frmCDSearch::refillLists()
{
    refill(ui->CMB_CDCategory, ListedNames(m_ctx.ws.entries.CategoryEntries()));
    refill(ui->CMB_CDMedium, ListedNames(m_ctx.ws.entries.MediumEntries()));
}

void frmCDSearch::onSearchAll(bool ticked)
{
    ui->CHK_SearchAll->setText(ticked ? tr("Clear &All") : tr("Set &All"));
    for (const SearchFieldFlag& f : SearchFieldFlags())
        if (auto* box = findChild<QCheckBox*>(QLatin1String(f.box)))
            box->setChecked(ticked);
}

SearchChoices frmCDSearch::choices() const
{
    SearchChoices c;
    c.text = ui->TX_SearchField->text();
    c.typeText = ui->RB_TypeText->isChecked();
    c.typeTextBegin = ui->RB_TypeTextBegin->isChecked();
    c.typeCategory = ui->RB_TypeCategory->isChecked();
    c.typeMedium = ui->RB_TypeMedium->isChecked();
    for (int i = 0; i < SearchFieldCount; ++i) {
        const auto* box = findChild<QCheckBox*>(QLatin1String(SearchFieldFlags()[std::size_t(i)].box));
        c.fields[std::size_t(i)] = box && box->isChecked();
    }
    c.caseSensitive = ui->CHK_SearchCase->isChecked();
    c.category = ui->CMB_CDCategory->currentText();
    c.medium = ui->CMB_CDMedium->currentText();
    return c;
}

void frmCDSearch::onSearch()
{
    if (!ApplySearch(m_ctx.ws, choices()))
        return;
    hide();
    if (m_ctx.windows)
        m_ctx.windows->requestActivationCheck();
}

} // namespace vinaxo
