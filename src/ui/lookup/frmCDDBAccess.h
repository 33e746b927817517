#pragma once
// The lookup window: reads the disc in the chosen drive, looks it up, shows the answer and
// adds it as a new recording or writes it over the recording being edited.
#include "lookup/CCDInfo.h"
#include "ui/lookup/LookupApply.h"
#include "ui/lookup/LookupMessages.h"

#include <QDialog>
#include <memory>

class QLabel;

namespace Ui {
class frmCDDBAccess;
}

namespace vinaxo {

struct AppContext;
class CdioAudioDevice;

class frmCDDBAccess : public QDialog {
    Q_OBJECT
public:
    explicit frmCDDBAccess(AppContext& ctx, QWidget* parent = nullptr);
    ~frmCDDBAccess() override;

    // True: "Update entry" offered and chosen (the entry editor); false: only "Add new
    // entry" (the main window).
    void setDatabaseAction(bool update);

    // Where the lookup object finds its site list (before the window is shown).
    void setSiteListFiles(const CCDInfo::SiteListFiles& files) { m_siteFiles = files; }
    // The port that means HTTP for the lookup object (80 unless told otherwise).
    void setHttpPort(quint16 port) { m_httpPort = port; }

    // The lookup object while the window is open, null before.
    CCDInfo* cdInfo() const { return m_info.get(); }
    // A lookup is running (its waits let events through).
    bool isLookupRunning() const { return m_running; }

public Q_SLOTS:
    // Cancel, Escape and closing: during a lookup they end its wait at once and the window
    // closes when the lookup has unwound.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private Q_SLOTS:
    void on_cmdGetCDInfo_clicked();
    void on_cmdConfigure_clicked();
    void on_cmdOK_clicked();

private:
    void opening();
    void fillNameLists();
    bool configure(); // the configuration window; true when the lookup is now configured
    bool chooseMatch();
    void showRetrieveFailure();
    void showResult();
    void clearResult();
    void setRunning(bool running);
    LookupFields fields() const;

    AppContext& m_ctx;
    std::unique_ptr<Ui::frmCDDBAccess> ui;
    std::unique_ptr<CdioAudioDevice> m_device;
    LookupMessages m_messages;
    std::unique_ptr<CCDInfo> m_info;
    CCDInfo::SiteListFiles m_siteFiles = CCDInfo::defaultSiteListFiles();
    quint16 m_httpPort = 80;
    QStringList m_times; // of the shown tracks, read from the disc
    QLabel* m_status = nullptr;
    bool m_opened = false;
    bool m_configured = false;
    bool m_running = false;
    bool m_cancelled = false;
};

} // namespace vinaxo
