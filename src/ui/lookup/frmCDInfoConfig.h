#pragma once
// The lookup's configuration: the server from the site list (or a fresh list from the
// server), the user id and the time-out. Every change goes at once to the settings and to
// the lookup object; OK only closes.
#include "ui/lookup/SiteRules.h"

#include <QDialog>
#include <memory>

class QLabel;

namespace Ui {
class frmCDInfoConfig;
}

namespace vinaxo {

struct AppContext;
class CCDInfo;

class frmCDInfoConfig : public QDialog {
    Q_OBJECT
public:
    explicit frmCDInfoConfig(AppContext& ctx, QWidget* parent = nullptr);
    ~frmCDInfoConfig() override;

    // The lookup object of the calling window; its status texts show in the status bar.
    void setCDInfo(CCDInfo* info);

public Q_SLOTS:
    // Closing during a site list fetch ends its wait; the window closes once it has unwound.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void getSiteList();
    void activation();
    void fillSiteList();
    void selectCurrentSite(const QString& address, const QString& port);
    void chooseSite(const QString& item);
    void storeUserId();
    void timeoutChanged(const QString& text);
    void stepTimeout(int delta);

    AppContext& m_ctx;
    std::unique_ptr<Ui::frmCDInfoConfig> ui;
    QLabel* m_status = nullptr;
    CCDInfo* m_info = nullptr;
    SiteParts m_site;
    bool m_activated = false;
    bool m_fetching = false;
    bool m_closeAfterFetch = false;
};

} // namespace vinaxo
