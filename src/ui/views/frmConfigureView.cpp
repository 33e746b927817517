#include "ui/views/frmConfigureView.h"
#include "ui/common/TextLimit.h"
#include "model/FieldLimits.h"
#include "ui/views/frmNewView.h"
#include "ui_frmConfigureView.h"

#include "model/Workspace.h"
#include "ui/common/AppContext.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace vinaxo {

namespace {
const QString kWindows = QStringLiteral("Windows");
const QString kSizeKey = QStringLiteral("ConfigureViewSize");

int currentRow(const QTreeWidget* list)
{
    QTreeWidgetItem* item = list->currentItem();
    return item ? list->indexOfTopLevelItem(item) : -1;
}

void fillList(QTreeWidget* list, const std::vector<ColumnRow>& rows, int current)
{
    const QSignalBlocker block(list);
    list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(rows.size()));
    for (const ColumnRow& row : rows) {
        auto* item = new QTreeWidgetItem(QStringList{row.text});
        item->setData(0, Qt::UserRole, row.key);
        items << item;
    }
    list->addTopLevelItems(items);
    if (!items.isEmpty() && current >= 0)
        list->setCurrentItem(items[qMin(current, items.size() - 1)]);
}
} // namespace

frmConfigureView::frmConfigureView(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmConfigureView>()), m_ctx(ctx),
      m_editor(ctx.ws.entries)
{
    ui->setupUi(this);
    TextLimit::cap(ui->edtColumnName, MaxStoredTextLength, tr("A column heading"));
    TextLimit::cap(ui->edtReportHeading, MaxStoredTextLength, tr("The report heading"));
    connect(ui->cmbViewName, &QComboBox::activated, this, &frmConfigureView::cmbViewName_Activated);
    connect(ui->cmdNewView, &QPushButton::clicked, this, &frmConfigureView::cmdNewView_Click);
    connect(ui->cmdDeleteView, &QPushButton::clicked, this, &frmConfigureView::cmdDeleteView_Click);
    connect(ui->cmdAddCol, &QPushButton::clicked, this, &frmConfigureView::cmdAddCol_Click);
    connect(ui->cmdDelCol, &QPushButton::clicked, this, &frmConfigureView::cmdDelCol_Click);
    connect(ui->cmdMoveUp, &QPushButton::clicked, this, &frmConfigureView::cmdMoveUp_Click);
    connect(ui->cmdMoveDown, &QPushButton::clicked, this, &frmConfigureView::cmdMoveDown_Click);
    connect(ui->cmdChangeWidth, &QPushButton::clicked, this, &frmConfigureView::cmdChangeWidth_Click);
    connect(ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->lvAvailableCols, &QTreeWidget::itemDoubleClicked, this, &frmConfigureView::cmdAddCol_Click);
    connect(ui->lvSelectedCols, &QTreeWidget::itemDoubleClicked, this, &frmConfigureView::cmdDelCol_Click);
    connect(ui->lvSelectedCols, &QTreeWidget::currentItemChanged, this,
            &frmConfigureView::lvSelectedCols_CurrentChanged);
    connect(ui->edtReportHeading, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_editor.setHeading(text); });
    // Enter in the new-width box adjusts the width instead of closing the window; the
    // Delete key takes a column out of the view, Insert puts the available one in.
    ui->edtColumnWidth->installEventFilter(this);
    ui->lvSelectedCols->installEventFilter(this);
    ui->lvAvailableCols->installEventFilter(this);

    const QSize size = ctx.ws.config.extraValue(kWindows, kSizeKey).toSize();
    if (size.isValid())
        resize(size);

    m_editor.open();
    showViewNames();
    showView();
}

frmConfigureView::~frmConfigureView() = default;

void frmConfigureView::done(int)
{
    m_editor.storeIfChanged();
    m_ctx.ws.config.setExtraValue(kWindows, kSizeKey, size());
    QDialog::done(Accepted);
}

bool frmConfigureView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == ui->edtColumnWidth && (key == Qt::Key_Return || key == Qt::Key_Enter))
        cmdChangeWidth_Click();
    else if (watched == ui->lvSelectedCols && key == Qt::Key_Delete)
        cmdDelCol_Click();
    else if (watched == ui->lvAvailableCols && key == Qt::Key_Insert)
        cmdAddCol_Click();
    else
        return QDialog::eventFilter(watched, event);
    return true;
}

void frmConfigureView::showViewNames()
{
    const QSignalBlocker block(ui->cmbViewName);
    ui->cmbViewName->clear();
    ui->cmbViewName->addItems(m_editor.viewNames());
    ui->cmbViewName->setCurrentIndex(ui->cmbViewName->findText(m_editor.shownView(), Qt::MatchFixedString));
}

// The shown view's lists and heading, no column chosen.
void frmConfigureView::showView()
{
    showLists(0, -1);
    ui->edtReportHeading->setText(m_editor.heading());
    showColumn(-1);
}

void frmConfigureView::showLists(int availableRow, int selectedRow)
{
    fillList(ui->lvAvailableCols, m_editor.available(), availableRow);
    fillList(ui->lvSelectedCols, m_editor.selected(), selectedRow);
}

void frmConfigureView::showColumn(int selectedRow)
{
    const auto column = m_editor.column(selectedRow);
    const QString width = column ? QString::number(column->width) : QString();
    ui->edtColumnName->setText(column ? column->heading : QString());
    ui->edtCurrColWidth->setText(width);
    ui->edtColumnWidth->setText(width);
}

void frmConfigureView::cmbViewName_Activated(int index)
{
    m_editor.chooseView(ui->cmbViewName->itemText(index));
    showViewNames();
    showView();
}

void frmConfigureView::cmdAddCol_Click()
{
    const int row = currentRow(ui->lvAvailableCols);
    if (m_editor.add(row) < 0)
        return;
    // The next available column is ready for another Add.
    showLists(row, currentRow(ui->lvSelectedCols));
}

void frmConfigureView::cmdDelCol_Click()
{
    const int row = currentRow(ui->lvSelectedCols);
    if (m_editor.remove(row) < 0)
        return;
    showLists(currentRow(ui->lvAvailableCols), -1);
    showColumn(-1);
}

void frmConfigureView::cmdMoveUp_Click()
{
    const int row = m_editor.moveUp(currentRow(ui->lvSelectedCols));
    showLists(currentRow(ui->lvAvailableCols), row);
}

void frmConfigureView::cmdMoveDown_Click()
{
    const int row = m_editor.moveDown(currentRow(ui->lvSelectedCols));
    showLists(currentRow(ui->lvAvailableCols), row);
}

void frmConfigureView::lvSelectedCols_CurrentChanged()
{
    showColumn(currentRow(ui->lvSelectedCols));
}

void frmConfigureView::cmdChangeWidth_Click()
{
    if (const auto width = m_editor.adjustWidth(currentRow(ui->lvSelectedCols), ui->edtColumnWidth->text()))
        ui->edtCurrColWidth->setText(QString::number(*width));
}

void frmConfigureView::cmdNewView_Click()
{
    m_editor.storeIfChanged();
    frmNewView prompt(m_ctx.ws.entries, this);
    prompt.exec();
    if (prompt.Result() && m_editor.newView(prompt.ViewName())) {
        showViewNames();
        showView();
    }
}

void frmConfigureView::cmdDeleteView_Click()
{
    if (m_editor.deleteView(m_ctx.ws.messages)) {
        showViewNames();
        showView();
    }
}

} // namespace vinaxo
