#include "ui/lists/frmNameList.h"
#include "ui/lists/frmCommonAdd.h"
#include "ui_frmNameList.h"

#include "model/Workspace.h"
#include "ui/common/AppContext.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace vinaxo {

frmNameList::frmNameList(AppContext& ctx, const NameListKind& kind, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmNameList>()), m_kind(kind), m_editor(ctx.ws, kind)
{
    ui->setupUi(this);
    setObjectName(QLatin1String(kind.windowName));
    setWindowTitle(NameListText(kind.caption));
    ui->lvNames->setObjectName(QLatin1String(kind.listName));
    ui->lvNames->headerItem()->setText(0, NameListText(kind.listHeading));
    ui->lvNames->setAccessibleName(tr("%1 list").arg(NameListText(kind.listHeading)));
    ui->txtName->setObjectName(QLatin1String(kind.textName));
    ui->lblName->setText(NameListText(kind.textLabel));
    ui->cmdAddName->setObjectName(QLatin1String(kind.addName));
    ui->cmdAddName->setText(NameListText(kind.addCaption));
    ui->cmdDeleteName->setObjectName(QLatin1String(kind.deleteName));
    ui->cmdDeleteName->setText(NameListText(kind.deleteCaption));

    connect(ui->lvNames, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            ui->txtName->setText(item->text(0));
    });
    connect(ui->cmdAddName, &QPushButton::clicked, this, &frmNameList::cmdAdd_Click);
    connect(ui->cmdDeleteName, &QPushButton::clicked, this, &frmNameList::cmdDelete_Click);
    connect(ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    ui->lvNames->installEventFilter(this); // the Delete key deletes

    fillList();
}

frmNameList::~frmNameList() = default;

bool frmNameList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->lvNames && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Delete)) {
        cmdDelete_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Lists the names and selects `select`, or the first row when it is not listed.
void frmNameList::fillList(const QString& select)
{
    const QStringList names = m_editor.names();
    QTreeWidget* list = ui->lvNames;
    {
        const QSignalBlocker block(list);
        list->clear();
        QList<QTreeWidgetItem*> items;
        items.reserve(names.size());
        for (const QString& name : names)
            items << new QTreeWidgetItem(QStringList{name});
        list->addTopLevelItems(items);
    }
    ui->txtName->clear();
    if (names.isEmpty())
        return;
    const qsizetype row = qMax<qsizetype>(0, names.indexOf(select));
    list->setCurrentItem(list->topLevelItem(int(row)));
    list->scrollToItem(list->currentItem());
}

void frmNameList::cmdAdd_Click()
{
    frmCommonAdd prompt(this);
    prompt.setDescription(NameListText(m_kind.description));
    prompt.exec();
    if (prompt.Result() && m_editor.add(prompt.NewItem()))
        fillList(prompt.NewItem());
}

void frmNameList::cmdDelete_Click()
{
    m_editor.remove(ui->txtName->text());
    fillList();
}

} // namespace vinaxo
