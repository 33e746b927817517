#pragma once
// The main window: the collection's list under the current view, the file commands,
// start-up and shut-down, and the door to every other window.
#include "history/CollectionHistory.h"
#include "ui/common/IWindows.h"
#include "ui/main/MainController.h"
#include "ui/main/MainFileCommands.h"
#include "ui/main/MainListModel.h"
#include "ui/main/QuickFilterRunner.h"
#include "ui/main/RecentFiles.h"

#include <QHash>
#include <QMainWindow>
#include <QTimer>
#include <chrono>
#include <memory>

class QLabel;
class QSessionManager;
class QTimer;
namespace Ui { class frmCDMLIST; }

namespace vinaxo {

struct AppContext;
class frmCDSearch;
class frmEntryDetail;
class RecoveryKeeper;
class RecoveryStore;

class frmCDMLIST final : public QMainWindow, public IWindows {
    Q_OBJECT
public:
    explicit frmCDMLIST(AppContext& ctx, QWidget* parent = nullptr);
    ~frmCDMLIST() override;

    // After the window is shown: the splash, then the file named on the command line
    // (opened as Open would) or, with "Load Last File" on, the last file.
    void startUp(const QString& fileArgument = QString(), bool splash = true);
    // Opens a collection file as Open does after its dialog (with the unsaved-change
    // question first): recent files, drops, the example collection.
    void openFile(const QString& path);

    // Recovery copies of unsaved changes in `store`, every `interval` by default (the
    // user's choice in the Options menu wins). Called before startUp; windows made
    // without it (tests) keep none.
    void enableRecovery(RecoveryStore& store, std::chrono::milliseconds interval);
    RecoveryKeeper* recovery() const { return m_recovery.get(); }
    // The desktop session is ending: the recovery copy first, then the Exit questions
    // where the session manager allows them.
    void commitSessionData(QSessionManager& manager);

    // IWindows
    void EntryChanged(qint32 action, const QString& key) override;
    void showCategoryList(QWidget* parent) override;
    void showMediumList(QWidget* parent) override;
    void showLookup(QWidget* parent, bool databaseAction) override;
    void selectRecording(const QString& key) override;
    void showStatus(const QString& text) override;
    void requestActivationCheck() override;

    MainController& controller() { return m_controller; }
    MainFileCommands& fileCommands() { return m_files; }
    MainListModel& listModel() { return m_model; }
    CollectionHistory& history() { return m_history; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void setUpStatusBar();
    void setUpList();
    void connectCommands();
    void setUpFileCommands();
    void restoreWindowGeometry();
    void setUpQuickFilter();
    void restartQuickFilter();
    void setUpHistory();
    void setUpDuplicateOptions();
    // Undo and Redo with the step's name; off while an editor shows a recording.
    void updateHistoryActions();
    void watchEditor();

    // Other commands
    void editSelection();
    void search();
    void quickAdd();
    void calculator();
    void print();
    void importExport();
    void configureView();
    void configureCategories();
    void configureMediums();
    void helpContents();
    void about();
    void filterClicked();

    // The list and what shows its state
    void fillViewNames();
    void refreshStatus();
    void updateCaption();
    void applyColumnWidths();
    void storeColumnWidths();
    QString selectedKey() const;
    void showRow(int row);
    void fillRecentMenu();
    void resetEditor();
    void setUpRecoveryMenu();
    void chooseRecoveryInterval(int seconds);
    QString readOnlyMark() const;

    AppContext& m_ctx;
    std::unique_ptr<Ui::frmCDMLIST> ui;
    MainListModel m_model;
    MainController m_controller;
    RecentFiles m_recent;
    MainFileCommands m_files;
    CollectionHistory m_history;
    bool m_applyingWidths = false;
    QHash<QString, int> m_pendingWidths; // by heading, until the drag ends
    QuickFilterRunner m_quick;
    QTimer m_quickPause;                  // the pause after typing before the filter runs
    QHash<QString, QString> m_quickTexts; // by collection file, for this session
    std::unique_ptr<frmEntryDetail> m_editor;
    std::unique_ptr<frmCDSearch> m_search; // a window of its own, without owner
    QLabel* m_panel1 = nullptr;
    QLabel* m_panel2 = nullptr;
    std::unique_ptr<RecoveryKeeper> m_recovery;
    QTimer* m_recoveryTimer = nullptr;
};

} // namespace vinaxo
