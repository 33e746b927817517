#pragma once
// The tracks page without its widgets: the track list model, the selected track's
// boxes, storing their edits, the total time, "Blank" and reading a disc.
#include "lookup/ICDAudioDevice.h"

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vinaxo {

class CDConfig;
class CEntries;
class ICDAudioDevice;

struct TrackFields {
    QString title, time, description;
};

// One row per track of the current entry: "n. title", time, description. The rows are a
// copy, so the view never reaches into a recording that was removed meanwhile.
class TrackListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Row {
        QString key, title, time, description;
    };
    enum { TitleColumn, TimeColumn, DescriptionColumn };

    using QAbstractTableModel::QAbstractTableModel;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    void setRows(std::vector<Row> rows);
    void setRow(int row, Row r);
    const Row& row(int i) const { return m_rows[std::size_t(i)]; }
    // The row whose track has this key, -1 when none.
    int rowOfKey(const QString& key) const;

private:
    std::vector<Row> m_rows;
};

class TrackListEditor {
public:
    TrackListEditor(CEntries& entries, CDConfig& config);

    TrackListModel& model() { return m_model; }

    // Set by typing in a track box; cleared on activation, deactivation and when the
    // tracks page is written back.
    bool edited = false;

    // The rows of the current entry's tracks (none without a current entry).
    void fill();
    // Makes the row's track current and returns its values; empty for row -1.
    TrackFields showRow(int row);
    // The current track's row, -1 when none.
    int currentRow() const;

    // Writes the boxes into the current track. A rejected time leaves the track as it
    // was, puts its kept time into `fields` and returns false. With the TotalTrackTime
    // setting the total is worked out again (`total` gets it).
    bool storeTrackEdits(TrackFields& fields, QString* total = nullptr);
    // The sum of every track's time, stored as the entry's total.
    QString recomputeTotal();
    // The row after the current track's, -1 on the last track.
    int nextRow() const;

    // Replaces every track by `count` empty ones of "00:00". False (nothing changed)
    // without a current entry or with a count outside 1 to 100.
    static constexpr int MaxTracks = 100;
    bool blank(int count);

    // What a disc holds: its number of audio tracks and the lengths (MM:SS) of those
    // whose length reads as a time.
    struct DiscTracks {
        int count = 0;
        QStringList times;
        CdText text; // the disc's own titles, when it carries any
    };
    // Reads the disc; the device is closed again in every case. Nothing when the disc
    // cannot be read or holds no audio track.
    static std::optional<DiscTracks> readDiscTracks(ICDAudioDevice& device, const QString& driveOrImage);
    // Replaces the current entry's tracks with the disc's: the track count, one disc and
    // the summed total are stored too. False without a current entry.
    bool replaceWithDisc(const DiscTracks& disc);
    // Both in one go. False (tracks unchanged) when the disc cannot be read.
    bool readDisc(ICDAudioDevice& device, const QString& driveOrImage);
    // A track of the current entry has a title or a description that replacing the
    // tracks would lose.
    bool hasTrackText() const;
    // The CD-Text of the disc the tracks were last replaced with (empty when it had none).
    const CdText& lastCdText() const { return m_lastCdText; }

private:
    CEntries& m_entries;
    CDConfig& m_config;
    TrackListModel m_model;
    CdText m_lastCdText;
};

} // namespace vinaxo
