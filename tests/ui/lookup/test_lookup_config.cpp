// The configuration window: site choice, site list fetch, user id and time-out, each
// written at once to the settings and to the lookup object.
#include "LookupRig.h"
#include "ui/lookup/frmCDInfoConfig.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {
const QString kTimeoutText = QStringLiteral("Timeout value must be between 1 and 60 seconds.  ");

struct ConfigRig : LookupRig {
    explicit ConfigRig(bool siteList = true) : LookupRig(true, siteList)
    {
        info = std::make_unique<CCDInfo>(config(), messages, files);
        info->Initialize();
    }
    // The window shown and activated.
    std::unique_ptr<frmCDInfoConfig> open()
    {
        auto w = std::make_unique<frmCDInfoConfig>(context);
        w->setCDInfo(info.get());
        w->show();
        EXPECT_TRUE(waitFor([&] { return child<QComboBox>(w.get(), "cmbSiteList")->count() > 0; }));
        return w;
    }
    std::unique_ptr<CCDInfo> info;
};

QString label(QWidget* w, const char* name) { return child<QLabel>(w, name)->text(); }

void choose(QWidget* w, int index)
{
    auto* sites = child<QComboBox>(w, "cmbSiteList");
    sites->setCurrentIndex(index);
    Q_EMIT sites->activated(index);
}
} // namespace

TEST(LookupConfig, ActivationShowsTheCurrentSettings)
{
    struct Case {
        QString stored;
        bool message;
    };
    // A stored 0 (never configured) is refused as soon as the window opens; a valid value
    // is written back unchanged.
    for (const Case& c : std::vector<Case>{{"5", false}, {"0", true}}) {
        ConfigRig r;
        r.config().setTimeout(c.stored);
        r.info = std::make_unique<CCDInfo>(r.config(), r.messages, r.files);
        r.info->Initialize();
        auto w = r.open();
        shot(w.get(), QStringLiteral("config.png"));
        EXPECT_EQ(child<QLineEdit>(w.get(), "txtUserID")->text(), "tester");
        EXPECT_EQ(child<QLineEdit>(w.get(), "txtTimeout")->text(), c.stored);
        EXPECT_EQ(r.config().Timeout(), c.stored);
        ASSERT_EQ(r.messages.count(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(r.messages.last().text, kTimeoutText);
            EXPECT_EQ(r.messages.last().title, "Invalid Timeout Value");
        }
        auto* sites = child<QComboBox>(w.get(), "cmbSiteList");
        EXPECT_EQ(sites->count(), 2);
        EXPECT_EQ(sites->currentIndex(), 0);
        EXPECT_EQ(label(w.get(), "lblSiteAddress"), "127.0.0.1");
        EXPECT_EQ(label(w.get(), "lblSitePort"), QString::number(r.server.port()));
        EXPECT_EQ(label(w.get(), "lblSiteProtocol"), "Protocol:cddbp");
    }
}

// Which texts are accepted is TimeoutSeconds'; here, that every change is checked and
// stored at once, and that the up-down control and the arrow keys step within 1 to 60.
TEST(LookupConfig, TimeoutIsCheckedOnEveryChange)
{
    ConfigRig r;
    auto w = r.open();
    auto* timeout = child<QLineEdit>(w.get(), "txtTimeout");
    timeout->setText("20");
    EXPECT_EQ(r.config().Timeout(), "20");
    EXPECT_EQ(r.info->Timeout(), 20);
    timeout->setText("");
    EXPECT_EQ(r.messages.texts(), QStringList{kTimeoutText});
    EXPECT_EQ(r.config().Timeout(), "20");

    timeout->setText("59");
    click(w.get(), "cmdTimeoutUp");
    click(w.get(), "cmdTimeoutUp");
    EXPECT_EQ(timeout->text(), "60");
    QTest::keyClick(timeout, Qt::Key_Down);
    EXPECT_EQ(r.config().Timeout(), "59");
    EXPECT_EQ(r.messages.count(), 1u);
}

TEST(LookupConfig, UserIdIsStoredAsItsFirstWord)
{
    ConfigRig r;
    auto w = r.open();
    auto* user = child<QLineEdit>(w.get(), "txtUserID");
    user->setFocus();
    user->selectAll();
    QTest::keyClicks(user, "  jane doe");
    QTest::keyClick(user, Qt::Key_Tab); // leaves the box
    EXPECT_EQ(r.config().UserID(), "jane");
    EXPECT_EQ(r.info->UserID(), "jane");
    EXPECT_EQ(user->text(), "  jane doe"); // the box keeps what was typed
}

// How an item is taken apart is SplitSiteItem's (SiteRules); here, that a choice reaches
// the labels, the settings and the lookup object at once.
TEST(LookupConfig, ChoosingASiteWritesItAtOnce)
{
    ConfigRig r;
    auto w = r.open();
    choose(w.get(), 1);
    const QStringList site{"example.org", "80", "/~cddb/cddb.cgi"};
    EXPECT_EQ(label(w.get(), "lblSiteProtocol"), "Protocol:HTTP");
    EXPECT_EQ((QStringList{label(w.get(), "lblSiteAddress"), label(w.get(), "lblSitePort")}), site.mid(0, 2));
    EXPECT_EQ((QStringList{r.config().SiteAddress(), r.config().SitePort(), r.config().SiteAdditionalAddress()}), site);
    EXPECT_EQ((QStringList{r.info->SiteAddress(), r.info->SitePort(), r.info->SiteAdditionalAddress()}), site);
}

// Regression: a stored port with a blank after it, as earlier releases kept it, selected
// no site, so port 80 showed as "Protocol:cddbp" with nothing chosen.
TEST(LookupConfig, AStoredPortWithATrailingBlankSelectsItsSite)
{
    ConfigRig r;
    r.config().setSiteAddress("example.org");
    r.config().setSitePort("80 ");
    r.info = std::make_unique<CCDInfo>(r.config(), r.messages, r.files);
    r.info->Initialize();
    auto w = r.open();
    EXPECT_EQ(child<QComboBox>(w.get(), "cmbSiteList")->currentIndex(), 1);
    EXPECT_EQ(label(w.get(), "lblSiteProtocol"), "Protocol:HTTP");
    EXPECT_EQ(r.config().SitePort(), "80"); // stored again without it
}

TEST(LookupConfig, FetchingASiteListKeepsTheSelection)
{
    ConfigRig r;
    const QString port = QString::number(r.server.port());
    r.server.setSites({"other.example cddbp 8880 - N000.00 W000.00 Other", "127.0.0.1 cddbp " + port
                                                                              + " - N000.00 W000.00 Fetched local"});
    auto w = r.open();
    click(w.get(), "cmdSiteList");
    auto* sites = child<QComboBox>(w.get(), "cmbSiteList");
    ASSERT_EQ(sites->count(), 2);
    EXPECT_EQ(sites->currentText(), "127.0.0.1 " + port + " - Fetched local");
    EXPECT_EQ(label(w.get(), "lblStatus"), "Site List Retrieved");
    EXPECT_EQ(r.config().SiteAddress(), "127.0.0.1");
    EXPECT_TRUE(QFile::exists(r.files.user));
    EXPECT_EQ(r.messages.count(), 0u) << r.messages.texts().join('|').toStdString();
    EXPECT_GT(r.busy.busy, 0);
    click(w.get(), "cmdOK");
    EXPECT_FALSE(w->isVisible());
}

TEST(LookupConfig, ClosingDuringAFetchEndsItsWait)
{
    ConfigRig r;
    r.config().setTimeout("30");
    r.info = std::make_unique<CCDInfo>(r.config(), r.messages, r.files);
    r.info->Initialize();
    r.server.misbehaveOn("sites", CddbTestServer::Fault::Silent);
    auto w = r.open();
    QTimer::singleShot(300, w.get(), [&] {
        EXPECT_FALSE(child<QWidget>(w.get(), "cmdOK")->isEnabled());
        w->reject();
        EXPECT_TRUE(w->isVisible()); // not before the fetch has unwound
    });
    QElapsedTimer t;
    t.start();
    click(w.get(), "cmdSiteList");
    EXPECT_LT(t.elapsed(), 3000);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Rejected);
    EXPECT_EQ(r.busy.busy > 0, r.busy.normal > 0);
}
