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

    ShowPrintSetupError(w.messages);
    EXPECT_EQ(w.messages.last().title, QStringLiteral("Print Setup Error"));
    EXPECT_EQ(w.messages.last().icon, MsgIcon::Critical);
}

} // namespace
