#include "ui/lists/frmCommonAdd.h"
#include "ui/common/TextLimit.h"
#include "model/FieldLimits.h"
#include "ui_frmCommonAdd.h"

namespace vinaxo {

frmCommonAdd::frmCommonAdd(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::frmCommonAdd>())
{
    ui->setupUi(this);
    // A name the collection file could not hold whole is cut, with a word.
    TextLimit::cap(ui->txtNewItem, MaxStoredTextLength, tr("The name"));
    ui->cmdOK->setEnabled(false);
    connect(ui->txtNewItem, &QLineEdit::textChanged, this,
            [this] { ui->cmdOK->setEnabled(!NewItem().isEmpty()); });
    connect(ui->cmdOK, &QPushButton::clicked, this, [this] {
        m_result = true;
        accept();
    });
    connect(ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

frmCommonAdd::~frmCommonAdd() = default;

void frmCommonAdd::setDescription(const QString& description)
{
    ui->lblNewItem->setText(tr("Add new %1").arg(description));
}

QString frmCommonAdd::NewItem() const { return ui->txtNewItem->text().trimmed(); }

} // namespace vinaxo
