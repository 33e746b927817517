#pragma once
// The choice among several matches of a lookup: one row per match (title, category, disc
// id); OK takes the chosen row, the first one unless another was picked.
#include "lookup/MusicBrainzReply.h"

#include <QDialog>
#include <memory>
#include <vector>

class QTreeWidgetItem;

namespace Ui {
class frmCDDBMultiSelect;
}

namespace vinaxo {

class CCDInfo;

class frmCDDBMultiSelect : public QDialog {
    Q_OBJECT
public:
    explicit frmCDDBMultiSelect(QWidget* parent = nullptr);
    ~frmCDDBMultiSelect() override;

    void setCDInfo(const CCDInfo* info) { m_info = info; }
    // MusicBrainz releases instead of CDDB matches: artist/title, a short description
    // (country, year, label, format, disc n of m) and the release id.
    void setCandidates(std::vector<MbCandidate> candidates);
    // The row taken among the candidates, -1 when none.
    int SelectedIndex() const { return m_index; }

    bool SelectionMade() const { return m_selectionMade; }
    QString SelectedTitle() const { return m_title; }
    QString SelectedCategory() const { return m_category; }
    QString SelectedDiscID() const { return m_discId; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void okClicked();
    void rebuild();
    void sizeColumns();
    void take(const QTreeWidgetItem* row);

    std::unique_ptr<Ui::frmCDDBMultiSelect> ui;
    const CCDInfo* m_info = nullptr;
    bool m_selectionMade = false;
    bool m_chosen = false;
    QString m_title, m_category, m_discId;
    std::vector<MbCandidate> m_candidates;
    bool m_mb = false;
    int m_index = -1;

    void rebuildCandidates();
};

} // namespace vinaxo
