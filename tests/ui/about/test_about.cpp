#include "support/ModalDriver.h"
#include "support/UiWorld.h"
#include "ui/about/frmAbout.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace vinaxo;

namespace {

bool waitHidden(QWidget* w, int ms = 3000)
{
    return QTest::qWaitFor([w] { return !w->isVisible(); }, ms);
}

} // namespace

TEST(About, ShowsNameReleaseAndIcon)
{
    frmAbout about;
    about.show();
    test::shot(&about, "about.png");
    EXPECT_EQ(test::child<QLabel>(&about, "lblProductName")->text(), "Vinaxo");
    EXPECT_EQ(test::child<QLabel>(&about, "lblReleaseLevel")->text(), "Release Level 3.1");
    EXPECT_TRUE(test::child<QLabel>(&about, "lblPurpose")->text().contains("recordings"));
    EXPECT_FALSE(test::child<QLabel>(&about, "lblIcon")->pixmap().isNull());
}

TEST(About, SplashClosesItselfWithoutBlocking)
{
    QElapsedTimer clock;
    clock.start();
    QPointer<frmAbout> splash = frmAbout::showSplash(nullptr);
    // showSplash returns at once: the window is up, modeless, its timer running.
    ASSERT_TRUE(splash);
    EXPECT_LT(clock.elapsed(), frmAbout::SplashMilliseconds);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_FALSE(splash->isModal());
    EXPECT_TRUE(splash->timerActive());
    EXPECT_EQ(splash->splashInterval(), frmAbout::SplashMilliseconds);

    splash->setSplashInterval(40);
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 3000))
        << "the splash closes and deletes itself";
}

TEST(About, SplashIntervalCountsFromShowing)
{
    frmAbout about;
    about.setSplash(true);
    about.setSplashInterval(40);
    EXPECT_FALSE(about.timerActive()) << "not shown yet";
    QTest::qWait(80);
    about.show();
    EXPECT_TRUE(about.isVisible());
    EXPECT_TRUE(waitHidden(&about));
}

TEST(About, SplashTurnedIntoAboutBoxWhileShowing)
{
    frmAbout about;
    about.setSplash(true);
    about.setSplashInterval(60);
    about.show();
    about.setSplash(false);
    QTest::qWait(150);
    EXPECT_TRUE(about.isVisible());
}

TEST(About, ShowAboutIsModalUntilOK)
{
    bool sawModal = false;
    test::whenModal(
        [&](QWidget* w) {
            sawModal = true;
            QTest::qWait(100); // longer than nothing, the box must still be there
            EXPECT_TRUE(w->isVisible());
            QTest::mouseClick(test::child<QPushButton>(w, "cmdOK"), Qt::LeftButton);
        },
        "frmAbout");
    frmAbout::showAbout(nullptr);
    EXPECT_TRUE(sawModal);
    EXPECT_TRUE(test::allModalsHandled());
}
