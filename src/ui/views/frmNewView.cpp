#include "ui/views/frmNewView.h"
#include "ui/common/TextLimit.h"
#include "model/FieldLimits.h"
#include "ui/views/ViewEditor.h"
#include "ui_frmNewView.h"

namespace vinaxo {

frmNewView::frmNewView(const CEntries& entries, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmNewView>()), m_entries(entries)
{
    ui->setupUi(this);
    TextLimit::cap(ui->edtViewName, MaxStoredTextLength, tr("A view name"));
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmNewView::cmdOK_Click);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

frmNewView::~frmNewView() = default;

QString frmNewView::ViewName() const { return ui->edtViewName->text().trimmed(); }

void frmNewView::cmdOK_Click()
{
    if (!AcceptNewViewName(m_entries, ui->edtViewName->text())) {
        ui->edtViewName->setFocus();
        ui->edtViewName->selectAll();
        return;
    }
    m_result = true;
    accept();
}

} // namespace vinaxo
