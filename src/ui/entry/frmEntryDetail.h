#pragma once
// The entry editor: shows the collection's current recording on three pages and writes
// the user's edits back into it through the save protocol (EntryEditSession). Modeless,
// owned by the main window, hidden rather than closed by the user.
#include "ui/entry/EntryEditSession.h"

#include <QMainWindow>
#include <memory>

class QComboBox;

namespace Ui { class frmEntryDetail; }

namespace vinaxo {

struct AppContext;
class CoverPanel;
class ElidingLabel;
class ICDAudioDevice;

class frmEntryDetail : public QMainWindow {
    Q_OBJECT
public:
    frmEntryDetail(AppContext& ctx, QWidget* owner);
    ~frmEntryDetail() override;

    // Shows the window (or raises and activates it) with the collection's current entry.
    void showEditor();
    // Fills the current page from the current entry, the status panel and the key lock.
    void RefreshDisplay();
    // The save protocol; false when a value was rejected (the user stays on the entry).
    bool SaveChanges();

    EntryEditSession& session() { return m_session; }
    // The CD audio device "&Read CD" uses (libcdio by default).
    void setAudioDevice(std::unique_ptr<ICDAudioDevice> device);
    // The picture area of the first page.
    CoverPanel& cover() { return *m_cover; }

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    struct Displaying;

    void setUpKeyboard();
    void updateEscape();
    void capTextBoxes();
    void connectEdits();
    void markChanged();
    void trackBoxEdited();

    void fillPage();
    void fillDetail();
    void fillAdditional();
    void fillTracks();
    void showTrackRow(int row);
    void selectTrackRow(int row);
    PageEdits readPage() const;
    TrackFields readTrack() const;
    // Writes the track boxes into the current track and shows a new total; false when the
    // time was rejected (`f` then holds the kept time).
    bool storeTrack(TrackFields& f);
    void showSavedBack(const PageEdits& edits);
    void showTotal(const QString& total);
    void refillCombo(QComboBox* box, const QStringList& names);
    void applyRefills(const EntryEditSession::Refills& r);
    void setPostCancel(bool post, bool cancel);

    void onActivate();
    void onDeactivate();
    void onMove(EntryEditSession::Move m);
    void onInsert();
    void onCancel();
    void onPost();
    void onDelete();
    void onLookup();
    void onClose();
    void onTabChanged(int index);
    void onUnlock();
    void onEditCategories();
    void onEditMediums();
    void onTrackRowChanged(int row);
    void onUpdateTrack();
    void onBlank();
    void onReadCD();
    void offerDiscTitles();
    void rememberWindow();

    AppContext& m_ctx;
    std::unique_ptr<Ui::frmEntryDetail> ui;
    EntryEditSession m_session;
    std::unique_ptr<ICDAudioDevice> m_device;
    ElidingLabel* m_statusPanel = nullptr;
    CoverPanel* m_cover = nullptr;
    bool m_displaying = false;
    bool m_saving = false;
    bool m_selectingRow = false;
};

} // namespace vinaxo
