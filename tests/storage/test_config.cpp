#include "storage/CDConfig.h"
#include "support/TestWorld.h"

#include <QFile>
#include <QSettings>

using namespace vinaxo;

TEST(Config, DefaultsForAFreshUser)
{
    QTemporaryDir dir;
    CDConfig c(dir.filePath("v.ini"));
    EXPECT_FALSE(c.LoadLastFile());
    EXPECT_TRUE(c.LoadDefaultCats());
    EXPECT_TRUE(c.LoadDefaultMediums());
    EXPECT_TRUE(c.TotalTrackTime());
    EXPECT_EQ(c.CDDriveLetter(), "D:");
    EXPECT_EQ(c.Timeout(), "15");
    EXPECT_EQ(c.HeadFontSize(), 0);
    EXPECT_EQ(c.HeadFontName(), "");
    EXPECT_FALSE(QFile::exists(dir.filePath("v.ini"))); // reading writes nothing
}

TEST(Config, WritesAtOnceUnderTheStoreKeys)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("v.ini");
    {
        CDConfig c(path);
        c.setLoadDefaultCats(false);
        c.setHeadFontBold(true);
        c.setDetailFontSize(10);
        c.setLastViewName("Mine");
        c.setUserID("me@example.org");
        // Read by another reader while the object still lives: nothing is cached.
        QSettings s(path, QSettings::IniFormat);
        EXPECT_EQ(s.value("Configuration/LoadDefaultCategories").toString(), "False");
        EXPECT_FALSE(s.contains("Configuration/LoadDefaultCats"));
        EXPECT_EQ(s.value("PrintHeading/Bold").toString(), "True");
        EXPECT_EQ(s.value("PrintDetail/Size").toString(), "10");
        EXPECT_EQ(s.value("Configuration/LastViewName").toString(), "Mine");
        EXPECT_EQ(s.value("CDInternetLookup/UserID").toString(), "me@example.org");
    }
    CDConfig again(path);
    EXPECT_FALSE(again.LoadDefaultCats());
    EXPECT_TRUE(again.HeadFontBold());
    EXPECT_EQ(again.DetailFontSize(), 10);
    EXPECT_EQ(again.LastViewName(), "Mine");
}

TEST(Config, ReadsLeniently)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("v.ini");
    {
        QSettings s(path, QSettings::IniFormat);
        s.setValue("PrintHeading/Bold", "maybe");
        s.setValue("PrintHeading/Italic", "-1");
        s.setValue("PrintHeading/Underline", "true");
        s.setValue("PrintDetail/Bold", "0");
        s.setValue("PrintHeading/Size", "big");
        s.setValue("PrintDetail/Size", "99999");
        s.setValue("Configuration/TotalTrackTime", "FALSE");
    }
    CDConfig c(path);
    EXPECT_FALSE(c.HeadFontBold());
    EXPECT_TRUE(c.HeadFontItalic());
    EXPECT_TRUE(c.HeadFontUnderline());
    EXPECT_FALSE(c.DetailFontBold());
    EXPECT_EQ(c.HeadFontSize(), 0);
    EXPECT_EQ(c.DetailFontSize(), 0);
    EXPECT_FALSE(c.TotalTrackTime());
}
