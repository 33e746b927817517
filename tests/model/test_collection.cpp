#include "model/CEntries.h"
#include "model/Utility.h"
#include "support/TestWorld.h"

using namespace vinaxo;

namespace {
// A collection of n recordings whose sequence follows creation order.
void fill(test::TestWorld& w, int n)
{
    for (int i = 0; i < n; ++i) {
        CEntry* e = w.entries().AddNewEntry();
        e->CDTitle = QStringLiteral("Title %1").arg(e->CDKey);
    }
    w.sequence().setCount(n);
    for (const auto& item : w.entries().Entries())
        w.sequence().Add(item.key);
}
QString currKey(test::TestWorld& w)
{
    return w.entries().CurrEntry() ? w.entries().CurrEntry()->CDKey : QString();
}
}

TEST(Collection, NameLists)
{
    test::TestWorld w;
    CEntries& c = w.entries();
    QString name = "  Miles Davis ";
    EXPECT_TRUE(c.AddNewArtist(name));
    EXPECT_EQ(name, "Miles Davis");
    EXPECT_FALSE(c.AddNewArtist("MILES DAVIS"));
    EXPECT_FALSE(c.AddNewArtist("   "));
    EXPECT_EQ(c.ArtistEntries().size(), 1);
    EXPECT_EQ(c.ArtistEntries().at(0), "Miles Davis");
    EXPECT_FALSE(c.DBChanged); // artists and labels do not touch the flag

    EXPECT_TRUE(c.AddNewCategory("Rock"));
    EXPECT_TRUE(c.DBChanged);
    EXPECT_FALSE(c.AddNewCategory("ROCK"));
    c.AddNewCategory("Jazz");
    c.AddNewEntry()->CDCategory = "rock";
    c.DBChanged = false;
    EXPECT_FALSE(c.DeleteCategory("Rock")); // in use, whatever the letter case
    EXPECT_FALSE(c.DBChanged);
    EXPECT_FALSE(c.DeleteCategory("Blues"));
    EXPECT_TRUE(c.DeleteCategory("JAZZ"));
    EXPECT_TRUE(c.DBChanged);
    EXPECT_EQ(c.CategoryEntries().size(), 1);

    c.AddNewMedium("CD");
    // The recording has no medium: an empty name is in use, "CD" is not.
    EXPECT_TRUE(c.FindEntriesWithMedium(""));
    EXPECT_FALSE(c.FindEntriesWithMedium("cd"));
    EXPECT_TRUE(c.DeleteMedium("cd"));
    EXPECT_FALSE(c.DeleteMedium("cd"));
}

TEST(Collection, ListedNamesLeaveOutTheDeletedPlaceholder)
{
    NameList names;
    for (const char* n : {"Rock", "**DELETED**", "Jazz"})
        names.add(QString::fromLatin1(n), QString::fromLatin1(n));
    EXPECT_EQ(ListedNames(names), (QStringList{"Rock", "Jazz"}));
    EXPECT_TRUE(ListedNames(NameList()).isEmpty());
}

TEST(Collection, DefaultsAndMediumCodes)
{
    test::TestWorld w;
    LoadDefaultCategories(w.entries());
    LoadDefaultMediums(w.entries());
    EXPECT_EQ(w.entries().CategoryEntries().size(), 16);
    EXPECT_EQ(w.entries().CategoryEntries().at(15), "InterActCD");
    EXPECT_EQ(w.entries().MediumEntries().size(), 7);
    EXPECT_EQ(w.entries().MediumEntries().at(5), "MiniDisk");
    EXPECT_EQ(ConvertMediumCode("C"), "Comp Disc");
    EXPECT_EQ(ConvertMediumCode("R"), "LP");
    EXPECT_EQ(ConvertMediumCode("c"), "c");
    EXPECT_EQ(ConvertMediumCode("Cassette"), "Cassette");
}

TEST(Collection, ViewsAndTheLastViewSetting)
{
    test::TestWorld w;
    CEntries& c = w.entries();
    EnsureStandardView(c);
    ASSERT_EQ(c.ViewEntries().size(), 1);
    CView* std = c.CurrView();
    EXPECT_EQ(std->ViewName, "Standard View");
    EXPECT_EQ(std->ColumnEntries().keyAt(0), "101");
    EXPECT_EQ(std->ColumnEntries().keyAt(1), "127");
    EXPECT_EQ(std->ColumnEntries().keyAt(2), "103");
    EXPECT_EQ(w.config().LastViewName(), ""); // an empty collection leaves the setting
    EnsureStandardView(c);
    EXPECT_EQ(c.ViewEntries().size(), 1);

    c.AddNewEntry();
    QString name = " Mine ";
    EXPECT_TRUE(c.AddNewView(name));
    EXPECT_EQ(name, "Mine");
    EXPECT_EQ(w.config().LastViewName(), "Mine");
    EXPECT_FALSE(c.AddNewView(""));
    EXPECT_TRUE(c.AddNewView("MINE"));
    EXPECT_EQ(c.ViewEntries().size(), 2);
    EXPECT_EQ(c.CurrView()->ViewName, "Mine");

    EXPECT_FALSE(c.LocateViewByName("Nope"));
    EXPECT_EQ(c.CurrView(), std);
    EXPECT_EQ(w.config().LastViewName(), "Standard View");
    EXPECT_TRUE(c.VerifyViewByName("mine"));

    auto dup = std::make_unique<CView>();
    dup->ViewName = "standard view";
    EXPECT_FALSE(c.AddNewViewObject(std::move(dup)));
    EXPECT_EQ(c.ViewEntries().size(), 2);

    EXPECT_TRUE(c.DeleteView("Standard View"));
    EXPECT_EQ(c.CurrView()->ViewName, "Mine");
    EXPECT_FALSE(c.DeleteView("Standard View"));
    EXPECT_EQ(ViewNameList(c), QStringList{"Mine"});
}

TEST(Collection, KeysAreNeverReusedAndExceedSixteenBits)
{
    test::TestWorld w;
    CEntries& c = w.entries();
    // A large collection is freed behind the caller's back: texts it shares with what
    // stays (and with the next collection) must come through whole.
    const QString artist = QStringLiteral("Shared Artist");
    for (int i = 0; i < 40000; ++i) {
        CEntry* e = c.AddNewEntry();
        e->CDArtist = artist;
        e->AddNewTrackEntry()->CDTrackTitle = artist;
    }
    EXPECT_EQ(c.Count(), 40000);
    EXPECT_EQ(c.CurrEntry()->CDKey, "40000");
    c.ClearDatabase();
    for (int i = 0; i < 3000; ++i)
        c.AddNewEntry()->CDArtist = artist;
    c.ClearDatabase(); // waits for the first to be freed
    EXPECT_EQ(artist, "Shared Artist");
    EXPECT_EQ(c.Count(), 0);
    EXPECT_FALSE(c.ValidEntry());
    EXPECT_EQ(c.AddNewEntry()->CDKey, "43001");
    EXPECT_TRUE(c.LocateEntryByKey("43001"));
    EXPECT_FALSE(c.LocateEntryByKey("1"));
    EXPECT_EQ(c.LastAction(), ActionLocated);
    EXPECT_EQ(c.LastActionKey(), "43001");
}

TEST(Collection, NavigationFollowsTheSequence)
{
    test::TestWorld w;
    CEntries& c = w.entries();
    EXPECT_FALSE(c.FirstRecord());
    EXPECT_EQ(c.LastAction(), ActionLocated);
    fill(w, 3);
    c.Changesmade = true;
    EXPECT_TRUE(c.FirstRecord());
    EXPECT_FALSE(c.Changesmade);
    EXPECT_EQ(currKey(w), "1");
    EXPECT_TRUE(c.PrevRecord());
    EXPECT_EQ(currKey(w), "1");
    EXPECT_TRUE(c.LastRecord());
    EXPECT_TRUE(c.NextRecord());
    EXPECT_EQ(currKey(w), "3");
    EXPECT_EQ(c.LastActionKey(), "3");
}

TEST(Collection, AddPostAndCancel)
{
    test::TestWorld w;
    CEntries& c = w.entries();
    fill(w, 3);
    c.LocateEntryByKey("2");
    ASSERT_TRUE(c.ActionAdd());
    EXPECT_TRUE(c.InsertStarted());
    EXPECT_FALSE(c.ProtectKeys());
    EXPECT_TRUE(c.Changesmade);
    EXPECT_EQ(currKey(w), "4");
    ASSERT_TRUE(c.ActionCancel());
    EXPECT_EQ(c.Count(), 3);
    EXPECT_EQ(currKey(w), "2");
    EXPECT_EQ(c.LastAction(), ActionCancelled);
    EXPECT_EQ(c.LastActionKey(), "");
    EXPECT_TRUE(c.ProtectKeys());
    EXPECT_EQ(w.sequence().Position(), 0); // the locate of the unfinished key found nothing
    EXPECT_TRUE(c.NextRecord());
    EXPECT_EQ(currKey(w), "1");

    c.ActionAdd();
    EXPECT_EQ(currKey(w), "5"); // the cancelled key is not reused
    c.CurrEntry()->CDArtist = " Art ";
    c.CurrEntry()->CDLabel = "Blue Note";
    c.DBChanged = false;
    ASSERT_TRUE(c.ActionPost());
    EXPECT_EQ(c.LastAction(), ActionInserted);
    EXPECT_EQ(c.LastActionKey(), "5");
    EXPECT_TRUE(c.DBChanged);
    EXPECT_TRUE(c.AddedArtist());
    EXPECT_TRUE(c.AddedLabel());
    EXPECT_EQ(c.CurrEntry()->CDArtist, "Art");
    EXPECT_EQ(w.sequence().Count(), 4);
    EXPECT_EQ(w.sequence().CurrKey(), "5");
    EXPECT_EQ(c.PreviousEntry(), nullptr);
    ASSERT_TRUE(c.ActionCancel()); // nothing pending: nothing removed
    EXPECT_EQ(c.Count(), 4);

    c.ActionPost(); // an edit of an existing entry
    EXPECT_EQ(c.LastAction(), ActionUpdated);
    EXPECT_FALSE(c.AddedArtist());
    EXPECT_EQ(w.sequence().Count(), 4);
}

TEST(Collection, DeleteChoosesTheSuccessor)
{
    test::TestWorld w;
    CEntries& c = w.entries();
    fill(w, 3);
    c.LocateEntryByKey("2");
    ASSERT_TRUE(c.ActionDelete());
    EXPECT_EQ(currKey(w), "3"); // the next one
    EXPECT_EQ(c.LastAction(), ActionDeleted);
    EXPECT_EQ(c.LastActionKey(), "2");
    EXPECT_EQ(w.sequence().Count(), 2);
    EXPECT_EQ(w.sequence().CurrKey(), "3");

    c.ActionDelete(); // the last of the sequence: the one before it
    EXPECT_EQ(currKey(w), "1");
    EXPECT_EQ(w.sequence().CurrKey(), "1");

    c.ActionDelete(); // the only one
    EXPECT_FALSE(c.ValidEntry());
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(w.sequence().Count(), 0);
    EXPECT_EQ(w.sequence().Position(), 0);
    EXPECT_FALSE(c.ActionDelete());
    EXPECT_TRUE(c.DBChanged);
}

TEST(Collection, ClearDatabaseKeepsColumnsCounterAndView)
{
    test::TestWorld w;
    CEntries& c = w.entries();
    EXPECT_EQ(c.ColumnNames().size(), 26);
    EXPECT_EQ(c.ColumnNames().keyAt(23), "128");
    EnsureStandardView(c);
    fill(w, 2);
    c.AddNewArtist("A");
    c.ActionAdd();
    c.ClearDatabase();
    EXPECT_EQ(c.Count(), 0);
    EXPECT_TRUE(c.ArtistEntries().isEmpty());
    EXPECT_TRUE(c.ViewEntries().isEmpty());
    EXPECT_FALSE(c.InsertStarted());
    EXPECT_TRUE(c.ProtectKeys());
    EXPECT_FALSE(c.DBChanged);
    EXPECT_EQ(c.NextEntryKey(), 3);
    EXPECT_EQ(c.ColumnNames().size(), 26);
}
