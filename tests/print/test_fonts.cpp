// Report fonts from the settings and from the command line's short texts.
#include "print/ReportFonts.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

TEST(ReportFonts, ParseFontText)
{
    const auto f = ParseFontText(QStringLiteral(" DejaVu Serif ,14,Bold,italic,underline,strikethru"));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->name, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(f->size, 14);
    EXPECT_TRUE(f->bold && f->italic && f->underline && f->strikethru);

    const auto plain = ParseFontText(QStringLiteral("Sans,10"));
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->bold || plain->italic || plain->underline || plain->strikethru);

    for (const char* bad : {"Sans", ",10", "Sans,0", "Sans,ten", "Sans,10,heavy", "Sans,99999"})
        EXPECT_FALSE(ParseFontText(QString::fromLatin1(bad))) << bad;
}

TEST(ReportFonts, ChosenOnlyWithBothNamesAndSizes)
{
    TestWorld w;
    EXPECT_FALSE(ReportFontsChosen(ReportFontsFromConfig(w.config())));
    w.config().setHeadFontName(QStringLiteral("Sans  "));
    w.config().setHeadFontSize(14);
    w.config().setHeadFontBold(true);
    w.config().setDetailFontName(QStringLiteral("Serif"));
    EXPECT_FALSE(ReportFontsChosen(ReportFontsFromConfig(w.config()))); // detail size 0
    w.config().setDetailFontSize(10);
    const ReportFonts f = ReportFontsFromConfig(w.config());
    EXPECT_TRUE(ReportFontsChosen(f));
    EXPECT_TRUE(f.heading.bold);
    EXPECT_EQ(f.detail.size, 10);

    ReportFonts blank = f;
    blank.detail.name = QStringLiteral("   ");
    EXPECT_FALSE(ReportFontsChosen(blank));
    ReportFonts negative = f;
    negative.heading.size = -12;
    EXPECT_FALSE(ReportFontsChosen(negative));
}

// Regression: the message sent the user to a "SETUP..." button and an Options menu that
// do not exist.
TEST(ReportFonts, PrintSetupErrorNamesTheButtonsThatExist)
{
    TestWorld w;
    ShowPrintSetupError(w.messages);
    EXPECT_TRUE(onlyMessage(w.messages,
                            "You cannot do any printing until heading and detail fonts have been selected.  Use the "
                            "Set Heading and Set Detail buttons to select printer fonts.",
                            "Print Setup Error", MsgIcon::Critical));
}

// Regression: a new user could not print before choosing both fonts. A group never
// chosen gets the default; a group with anything stored keeps it, usable or not.
TEST(ReportFonts, DefaultsForAGroupNeverChosen)
{
    const ReportFonts defaults = DefaultReportFonts(QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(FontDescription(defaults.heading), QStringLiteral("DejaVu Sans-14 Bold"));
    EXPECT_EQ(FontDescription(defaults.detail), QStringLiteral("DejaVu Sans-10"));
    EXPECT_FALSE(DefaultReportFonts().heading.name.trimmed().isEmpty()); // the desktop's family

    struct Case {
        ReportFont heading, detail; // stored before
        const char* headingAfter;
        const char* detailAfter;
        bool usable;
    };
    const Case cases[] = {
        {{}, {}, "DejaVu Sans-14 Bold", "DejaVu Sans-10", true},
        {{"Serif", 16}, {}, "Serif-16", "DejaVu Sans-10", true},
        {{"Serif", 0}, {}, "Serif-0", "DejaVu Sans-10", false}, // named but not sized: unusable
        {{}, {"", 9}, "DejaVu Sans-14 Bold", "-9", false},
    };
    for (const Case& c : cases) {
        TestWorld w;
        StoreHeadingFont(w.config(), c.heading);
        StoreDetailFont(w.config(), c.detail);
        StoreDefaultReportFonts(w.config(), defaults);
        CDConfig reread(w.settingsPath());
        reread.GetAllValues();
        const ReportFonts stored = ReportFontsFromConfig(reread);
        EXPECT_EQ(FontDescription(stored.heading), QString::fromLatin1(c.headingAfter));
        EXPECT_EQ(FontDescription(stored.detail), QString::fromLatin1(c.detailAfter));
        EXPECT_EQ(ReportFontsChosen(stored), c.usable) << c.headingAfter;
    }
}

} // namespace
