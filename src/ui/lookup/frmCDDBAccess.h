#pragma once
// The lookup window: reads the disc in the chosen drive, looks it up, shows the answer and
// adds it as a new recording or writes it over the recording being edited. The work is
// LookupSession's; the window routes its buttons there and shows the result.
#include "ui/lookup/LookupSession.h"
#include "ui/lookup/MusicBrainzLookup.h"

#include <QDialog>
#include <memory>

class QLabel;

namespace Ui {
class frmCDDBAccess;
}

namespace vinaxo {

struct AppContext;

class frmCDDBAccess : public QDialog {
    Q_OBJECT
public:
    explicit frmCDDBAccess(AppContext& ctx, QWidget* parent = nullptr);
    ~frmCDDBAccess() override;

    // True: "Update entry" offered and chosen (the entry editor); false: only "Add new
    // entry" (the main window).
    void setDatabaseAction(bool update);

    // Where the lookup object finds its site list (before the window is shown).
    void setSiteListFiles(const CCDInfo::SiteListFiles& files) { m_session.setSiteListFiles(files); }
    // The port that means HTTP for the lookup object (80 unless told otherwise).
    void setHttpPort(quint16 port) { m_session.setHttpPort(port); }

    // The lookup object while the window is open, null before.
    CCDInfo* cdInfo() const { return m_session.info(); }
    // A lookup is running (its waits let events through).
    bool isLookupRunning() const { return m_session.running() || m_mb->running(); }
    // The MusicBrainz side of the window (tests point its clock and device here).
    MusicBrainzLookup* musicBrainz() const { return m_mb.get(); }

public Q_SLOTS:
    // Cancel, Escape and closing: during a lookup they end its wait at once and the window
    // closes when the lookup has unwound.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void getCDInfo();
    void configureClicked();
    void applyUpdates();

    void fillNameLists();
    void showConfiguration(CCDInfo& info);
    std::optional<LookupChoice> chooseMatch(const CCDInfo& info);
    void showResult(const LookupFields& r);
    void clearResult();
    void setRunning(bool running);
    LookupFields fields() const;

    // The source choice and the MusicBrainz run.
    void setupSource();
    LookupSource source() const;
    void getMusicBrainzInfo();
    void musicBrainzFinished(bool found);
    std::optional<int> chooseCandidate(const std::vector<MbCandidate>& candidates);
    void storeCover();

    AppContext& m_ctx;
    std::unique_ptr<Ui::frmCDDBAccess> ui;
    LookupSession m_session;
    std::unique_ptr<MusicBrainzLookup> m_mb;
    // Where the result shown came from: its fields and its picture are that source's.
    bool m_mbResult = false;
    QLabel* m_status = nullptr;
    bool m_opened = false;
};

} // namespace vinaxo
