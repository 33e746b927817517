#include "ui/entry/TrackListEditor.h"

#include "lookup/ICDAudioDevice.h"
#include "model/CEntries.h"
#include "model/TimeText.h"
#include "storage/CDConfig.h"

namespace vinaxo {

int TrackListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TrackListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant TrackListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return {};
    const Row& r = m_rows[std::size_t(index.row())];
    if (role == Qt::UserRole)
        return r.key;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case TitleColumn: return r.key + QStringLiteral(". ") + r.title;
    case TimeColumn: return r.time;
    case DescriptionColumn: return r.description;
    }
    return {};
}

QVariant TrackListModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, o, role);
    switch (section) {
    case TitleColumn:
        return tr("Title");
    case TimeColumn:
        return tr("Time");
    case DescriptionColumn:
        return tr("Description");
    }
    return {};
}

void TrackListModel::setRows(std::vector<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void TrackListModel::setRow(int row, Row r)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    m_rows[std::size_t(row)] = std::move(r);
    Q_EMIT dataChanged(index(row, 0), index(row, 2));
}

int TrackListModel::rowOfKey(const QString& key) const
{
    // Keys are 1, 2, 3 ... in row order until the tracks are replaced: try that first.
    bool ok = false;
    const int guess = key.toInt(&ok) - 1;
    if (ok && guess >= 0 && guess < int(m_rows.size()) && m_rows[std::size_t(guess)].key == key)
        return guess;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].key == key)
            return int(i);
    return -1;
}

namespace {
TrackListModel::Row rowOf(const CTrackEntry& t)
{
    return {t.Key, t.CDTrackTitle, t.CDTrackTime, t.CDTrackDesc};
}
}

TrackListEditor::TrackListEditor(CEntries& entries, CDConfig& config)
    : m_entries(entries), m_config(config)
{
}

void TrackListEditor::fill()
{
    std::vector<TrackListModel::Row> rows;
    if (CEntry* e = m_entries.CurrEntry()) {
        rows.reserve(std::size_t(e->TrackEntries().size()));
        for (const auto& item : e->TrackEntries())
            rows.push_back(rowOf(*item.value));
    }
    m_model.setRows(std::move(rows));
}

TrackFields TrackListEditor::showRow(int row)
{
    CEntry* e = m_entries.CurrEntry();
    if (!e || row < 0 || row >= m_model.rowCount())
        return {};
    if (!e->LocateTrackByKey(m_model.row(row).key))
        return {};
    const CTrackEntry* t = e->CurrTrack();
    return {t->CDTrackTitle, t->CDTrackTime, t->CDTrackDesc};
}

int TrackListEditor::currentRow() const
{
    const CEntry* e = m_entries.CurrEntry();
    return e && e->CurrTrack() ? m_model.rowOfKey(e->CurrTrack()->Key) : -1;
}

bool TrackListEditor::storeTrackEdits(TrackFields& fields, QString* total)
{
    CEntry* e = m_entries.CurrEntry();
    CTrackEntry* t = e ? e->CurrTrack() : nullptr;
    if (!t)
        return true;
    // The time is checked first, so that a rejected one leaves the whole track as it was.
    if (!t->setCDTrackTimeStr(fields.time)) {
        fields.time = t->CDTrackTime;
        return false;
    }
    t->CDTrackTitle = fields.title;
    t->CDTrackDesc = fields.description;
    m_entries.Changesmade = true;
    m_model.setRow(m_model.rowOfKey(t->Key), rowOf(*t));
    if (m_config.TotalTrackTime()) {
        const QString sum = recomputeTotal();
        if (total)
            *total = sum;
    }
    return true;
}

QString TrackListEditor::recomputeTotal()
{
    CEntry* e = m_entries.CurrEntry();
    if (!e)
        return {};
    QString sum = QStringLiteral("00:00");
    for (const auto& item : e->TrackEntries())
        sum = AddTimes(sum, item.value->CDTrackTime);
    e->CDTotalTime = sum;
    m_entries.Changesmade = true;
    return sum;
}

int TrackListEditor::nextRow() const
{
    const CEntry* e = m_entries.CurrEntry();
    if (!e || !e->CurrTrack())
        return -1;
    return m_model.rowOfKey(KeyText(e->CurrTrack()->Key.toLongLong() + 1));
}

bool TrackListEditor::blank(int count)
{
    CEntry* e = m_entries.CurrEntry();
    if (!e || count < 1 || count > MaxTracks)
        return false;
    e->CDNbrTracks = qint16(count);
    e->ClearAllEntries();
    for (int i = 0; i < count; ++i)
        e->AddNewTrackEntry()->CDTrackTime = QStringLiteral("00:00");
    m_entries.Changesmade = true;
    fill();
    return true;
}

std::optional<TrackListEditor::DiscTracks> TrackListEditor::readDiscTracks(ICDAudioDevice& device,
                                                                          const QString& driveOrImage)
{
    struct Closer {
        ICDAudioDevice& d;
        ~Closer() { d.close(); }
    } closer{device};
    if (device.open(driveOrImage) != CDOpenResult::Ok || device.trackCount() <= 0)
        return std::nullopt;
    DiscTracks disc;
    disc.count = device.trackCount();
    for (int n = 1; n <= disc.count; ++n) {
        const QString time = PackedTimeToText(device.trackLength(n));
        if (IsValidTime(time)) // a track whose length is no time is left out
            disc.times << time;
    }
    disc.text = device.cdText();
    return disc;
}

bool TrackListEditor::replaceWithDisc(const DiscTracks& disc)
{
    CEntry* e = m_entries.CurrEntry();
    if (!e)
        return false;
    m_entries.Changesmade = true;
    e->ClearAllEntries();
    QString total;
    qsizetype n = 0;
    for (const QString& time : disc.times) {
        total = AddTimes(total, time);
        CTrackEntry* t = e->AddNewTrackEntry();
        t->CDTrackTime = time;
        // The disc's own titles; any beyond its tracks are dropped.
        t->CDTrackTitle = disc.text.trackTitles.value(n++);
    }
    m_lastCdText = disc.text;
    NormalizeTime(total);
    e->setCDTotalTimeStr(total);
    e->CDNbrDisks = 1;
    e->CDNbrTracks = qint16(disc.count);
    fill();
    return true;
}

bool TrackListEditor::readDisc(ICDAudioDevice& device, const QString& driveOrImage)
{
    if (!m_entries.CurrEntry())
        return false;
    const auto disc = readDiscTracks(device, driveOrImage);
    return disc && replaceWithDisc(*disc);
}

bool TrackListEditor::hasTrackText() const
{
    const CEntry* e = m_entries.CurrEntry();
    if (!e)
        return false;
    return e->TrackEntries().anyTrack([](const CTrackEntry& t) {
        return !t.CDTrackTitle.trimmed().isEmpty() || !t.CDTrackDesc.trimmed().isEmpty();
    });
}

} // namespace vinaxo
