#pragma once
// One lookup window's work without widgets: the CD audio device and the lookup object, a
// run of "Get CD Info..." with its messages, the result with the track times read from the
// disc, and the add or update it ends in. The window supplies the two windows a run may
// need (configuration, choice among matches) and shows what the session holds.
#include "lookup/CCDInfo.h"
#include "lookup/ICDAudioDevice.h"
#include "ui/lookup/LookupApply.h"
#include "ui/lookup/LookupMessages.h"

#include <functional>
#include <memory>
#include <optional>

namespace vinaxo {

class IBusyPointer;
class IWindows;
class Workspace;

// The row taken in the choice among several matches.
struct LookupChoice {
    QString category;
    QString discId;
};

struct LookupHooks {
    // Shows the configuration window for the lookup object (modal).
    std::function<void(CCDInfo&)> configure;
    // Offers the matches of the lookup object; nothing when no row was taken.
    std::function<std::optional<LookupChoice>(const CCDInfo&)> choose;
    // Every status text of the lookup object.
    std::function<void(const QString&)> status;
};

class LookupSession {
public:
    // Without a device, the system's CD drives and disc images (libcdio).
    LookupSession(Workspace& ws, IBusyPointer& busy, IWindows* windows,
                  std::unique_ptr<ICDAudioDevice> device = nullptr);
    ~LookupSession();
    LookupSession(const LookupSession&) = delete;
    LookupSession& operator=(const LookupSession&) = delete;

    void setHooks(LookupHooks hooks) { m_hooks = std::move(hooks); }
    // Where the lookup object finds its site list, and the port that means HTTP (before Open).
    void setSiteListFiles(const CCDInfo::SiteListFiles& files) { m_siteFiles = files; }
    void setHttpPort(quint16 port) { m_httpPort = port; }

    // Makes the lookup object and, when it lacks settings or a site list, shows the
    // configuration at once (unless told not to: another source is chosen).
    void Open(bool configureWhenIncomplete = true);
    // The configuration window; what was entered counts at once, not only from the next
    // opening of the window.
    void Configure();

    // "Get CD Info...": configures first when needed, searches, asks for a choice among
    // several matches, tells the user what was not found, and reads the track times of
    // what was. True when there is a result to apply.
    bool GetCDInfo();
    // Ends a run's wait for the server at once; the run unwinds without further messages.
    void Cancel();
    bool running() const { return m_running; }
    // The run that just ended was cancelled.
    bool cancelled() const { return m_cancelled; }

    CCDInfo* info() const { return m_info.get(); }
    bool configured() const { return m_configured; }
    // The result of the last run as found (the window may let the user edit some of it).
    const LookupFields& result() const { return m_result; }
    // What disc the last run read ("Disc ID 1b023f03, 3 tracks"), why it could not read
    // it, or empty when it did not get that far.
    QString discInfo() const { return m_discInfo; }

    // "Apply Updates": a new recording, or the current one updated. True when posted.
    bool Apply(bool addNew, const LookupFields& fields);
    // The last Apply added nothing because the user chose to see the recording held.
    bool showedExisting() const { return m_showedExisting; }

private:
    class WatchedDevice;

    bool search();
    bool chooseMatch();
    void showRetrieveFailure();
    void takeResult();

    Workspace& m_ws;
    IBusyPointer& m_busy;
    IWindows* m_windows;
    std::unique_ptr<ICDAudioDevice> m_device;
    std::unique_ptr<WatchedDevice> m_watched;
    LookupMessages m_messages;
    LookupHooks m_hooks;
    CCDInfo::SiteListFiles m_siteFiles = CCDInfo::defaultSiteListFiles();
    quint16 m_httpPort = 80;
    std::unique_ptr<CCDInfo> m_info;
    LookupFields m_result;
    QString m_discInfo;
    bool m_configured = false;
    bool m_running = false;
    bool m_cancelled = false;
    bool m_showedExisting = false;
};

} // namespace vinaxo
