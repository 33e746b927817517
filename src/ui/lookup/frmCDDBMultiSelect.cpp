#include "ui/lookup/frmCDDBMultiSelect.h"

#include "lookup/CCDInfo.h"
#include "lookup/CddbParse.h"
#include "ui_frmCDDBMultiSelect.h"

#include <QHeaderView>
#include <QShowEvent>
#include <cmath>

namespace vinaxo {

frmCDDBMultiSelect::frmCDDBMultiSelect(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmCDDBMultiSelect>())
{
    ui->setupUi(this);
    ui->lvResults->header()->setStretchLastSection(true);
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmCDDBMultiSelect::okClicked);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &frmCDDBMultiSelect::reject);
    // Picking a row with the mouse or the keys makes it the choice; a double click takes it.
    connect(ui->lvResults, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* row) { take(row); });
    connect(ui->lvResults, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* row) {
        take(row);
        okClicked();
    });
}

frmCDDBMultiSelect::~frmCDDBMultiSelect() = default;

void frmCDDBMultiSelect::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    rebuild();
}

void frmCDDBMultiSelect::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        rebuild();
}

void frmCDDBMultiSelect::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    sizeColumns();
}

void frmCDDBMultiSelect::sizeColumns()
{
    // Title and category share what the disc id leaves in the proportions 3:1, each less a
    // margin; the disc id takes the rest.
    QTreeWidget* list = ui->lvResults;
    if (m_mb) {
        // The description is what tells one pressing from another: it gets as much as the title.
        list->setColumnWidth(0, qMax(list->viewport()->width() * 2 / 5, 40));
        list->setColumnWidth(1, qMax(list->viewport()->width() * 2 / 5, 40));
        return;
    }
    const int idWidth = list->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 24;
    const int w = int(std::lround((list->viewport()->width() - idWidth) / 4.0));
    list->setColumnWidth(0, qMax(3 * w - 35, 40));
    list->setColumnWidth(1, qMax(w - 35, 40));
}

void frmCDDBMultiSelect::rebuild()
{
    // The list is built afresh on every activation, but a row the user picked stays picked:
    // the activation that a click on an inactive window brings arrives after the click.
    if (m_mb) {
        rebuildCandidates();
        return;
    }
    const QString keep = m_chosen ? MatchKey(m_category, m_discId) : QString();
    QTreeWidget* list = ui->lvResults;
    const QSignalBlocker quiet(list);
    list->clear();
    sizeColumns();
    if (!m_info)
        return;
    const auto& ids = m_info->QueryDiscID();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(ids.size());
    for (qsizetype i = 0; i < ids.size(); ++i) {
        const QString& key = ids.keyAt(i);
        const QString* name = m_info->QueryName().find(key);
        const QString* category = m_info->QueryCategory().find(key);
        rows.push_back(new QTreeWidgetItem(
            QStringList{name ? *name : QString(), category ? *category : QString(), ids.at(i)}));
    }
    list->addTopLevelItems(rows);
    m_chosen = false;
    if (rows.isEmpty())
        return;
    QTreeWidgetItem* current = rows.first();
    for (QTreeWidgetItem* row : std::as_const(rows)) {
        if (!keep.isEmpty() && MatchKey(row->text(1), row->text(2)) == keep)
            current = row;
    }
    list->setCurrentItem(current);
    take(current);
}

void frmCDDBMultiSelect::take(const QTreeWidgetItem* row)
{
    if (!row)
        return;
    m_title = row->text(0);
    m_category = row->text(1);
    m_discId = row->text(2);
    m_index = m_mb ? row->data(0, Qt::UserRole).toInt() : -1;
    m_chosen = true;
}

void frmCDDBMultiSelect::setCandidates(std::vector<MbCandidate> candidates)
{
    m_candidates = std::move(candidates);
    m_mb = true;
    m_info = nullptr;
    ui->lvResults->setHeaderLabels({tr("Artist/Title"), tr("Description"), tr("Release")});
}

void frmCDDBMultiSelect::rebuildCandidates()
{
    const int keep = m_chosen ? m_index : -1;
    QTreeWidget* list = ui->lvResults;
    const QSignalBlocker quiet(list);
    list->clear();
    sizeColumns();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(qsizetype(m_candidates.size()));
    for (std::size_t i = 0; i < m_candidates.size(); ++i) {
        const MbCandidate& c = m_candidates[i];
        auto* row = new QTreeWidgetItem(
            QStringList{c.artist + QStringLiteral(" / ") + c.title, CandidateSummary(c), c.releaseId});
        row->setData(0, Qt::UserRole, int(i));
        row->setToolTip(0, row->text(0));
        row->setToolTip(1, row->text(1));
        rows.push_back(row);
    }
    list->addTopLevelItems(rows);
    m_chosen = false;
    if (rows.isEmpty())
        return;
    QTreeWidgetItem* current = rows.value(keep >= 0 ? keep : 0, rows.first());
    list->setCurrentItem(current);
    take(current);
}

void frmCDDBMultiSelect::okClicked()
{
    m_selectionMade = m_chosen;
    accept();
}

} // namespace vinaxo
