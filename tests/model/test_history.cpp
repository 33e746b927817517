// Taking changes back through the history, and the duplicate index.
#include "history/CollectionHistory.h"
#include "model/CEntries.h"
#include "model/DuplicateIndex.h"
#include "support/TestWorld.h"

using namespace vinaxo;

namespace {
struct HistoryTest : ::testing::Test {
    test::TestWorld w;
    CollectionHistory h{*w.ws};
    QStringList shown; // what each undo or redo asked the list to show

    void SetUp() override
    {
        h.applied = [this](const QString& key) { shown << key; };
        for (const char* t : {"Alba", "Noche", "Sol"}) {
            CEntry* e = w.entries().AddNewEntry();
            e->CDTitle = QString::fromLatin1(t);
            e->CDArtist = QStringLiteral("Ana");
            for (int i = 0; i < 3; ++i)
                e->AddNewTrackEntry()->CDTrackTitle = e->CDTitle + QString::number(i);
        }
        w.entries().CurrEntry()->TrackEntries().remove("1"); // keys with a gap
    }
    QStringList titles()
    {
        QStringList out;
        for (const auto& item : w.entries().Entries())
            out << item.value->CDTitle;
        return out;
    }
    QStringList tracks(const QString& key)
    {
        QStringList out;
        w.entries().Entries().find(key)->get()->TrackEntries().forEachTrack(
            [&](const CTrackEntry& t) { out << t.Key + u'=' + t.CDTrackTitle; });
        return out;
    }
};
} // namespace

TEST_F(HistoryTest, AnUndoneDeleteComesBackWithItsKeyPlaceAndTracks)
{
    CEntries& c = w.entries();
    c.LocateEntryByKey("2");
    const qsizetype at = c.IndexOfEntry("2");
    auto copy = c.CurrEntry()->Clone();
    ASSERT_TRUE(c.ActionDelete());
    h.deleted(std::move(copy), at);
    EXPECT_EQ(h.stack().undoText(), "Delete 'Noche'");
    c.DBChanged = false; // as after a save

    h.stack().undo();
    EXPECT_EQ(titles(), QStringList({"Alba", "Noche", "Sol"}));
    EXPECT_EQ(tracks("2"), QStringList({"1=Noche0", "2=Noche1", "3=Noche2"}));
    EXPECT_TRUE(c.DBChanged);
    EXPECT_EQ(shown.last(), "2");

    h.stack().redo();
    EXPECT_EQ(titles(), QStringList({"Alba", "Sol"}));
    EXPECT_EQ(c.CurrEntry(), nullptr) << "the current recording never names one taken out";
    h.stack().undo();
    EXPECT_EQ(tracks("3"), QStringList({"2=Sol1", "3=Sol2"}));
    EXPECT_EQ(c.AddNewEntry()->CDKey, "4") << "new keys stay above every key held";
}

TEST_F(HistoryTest, AddsAndEditsAreTakenBackAndMadeAgain)
{
    CEntries& c = w.entries();
    c.ActionAdd();
    c.CurrEntry()->CDTitle = "Luna";
    c.ActionPost();
    h.added(c.CurrEntry()->CDKey, "Add");

    c.LocateEntryByKey("1");
    auto before = c.CurrEntry()->Clone();
    c.CurrEntry()->CDTitle = "Alba II";
    c.CurrEntry()->TrackEntries().clear();
    c.ActionPost();
    h.edited(std::move(before), "Edit");
    EXPECT_EQ(h.stack().undoText(), "Edit 'Alba II'");

    h.stack().undo();
    EXPECT_EQ(titles(), QStringList({"Alba", "Noche", "Sol", "Luna"}));
    EXPECT_EQ(tracks("1").size(), 3);
    EXPECT_EQ(c.CurrEntry()->CDTitle, "Alba") << "the current recording follows the swap";
    h.stack().undo();
    EXPECT_EQ(titles(), QStringList({"Alba", "Noche", "Sol"}));
    h.stack().redo();
    h.stack().redo();
    EXPECT_EQ(titles(), QStringList({"Alba II", "Noche", "Sol", "Luna"}));
    EXPECT_TRUE(tracks("1").isEmpty());
}

TEST_F(HistoryTest, AnImportIsOneStepThatKeepsOnlyItsKeysWhileItStands)
{
    CEntries& c = w.entries();
    QStringList keys;
    for (int i = 0; i < 5000; ++i) { // past the size where the list is indexed
        CEntry* e = c.AddNewEntry();
        e->CDTitle = QStringLiteral("Imported %1").arg(i);
        keys << e->CDKey;
    }
    c.AddNewCategory(QStringLiteral("Imported Category"));
    h.imported(keys);
    EXPECT_EQ(h.stack().undoText(), "Import of 5000 Recordings");

    h.stack().undo();
    EXPECT_EQ(titles(), QStringList({"Alba", "Noche", "Sol"}));
    EXPECT_FALSE(c.CategoryEntries().contains("Imported Category"));
    EXPECT_FALSE(c.Entries().contains(keys.last()));
    h.stack().redo();
    EXPECT_EQ(c.Count(), 5003);
    EXPECT_EQ(c.Entries().keyAt(3), keys.first());
    EXPECT_EQ(c.Entries().find(keys.last())->get()->CDTitle, "Imported 4999");
    EXPECT_TRUE(c.CategoryEntries().contains("Imported Category"));
}

TEST_F(HistoryTest, ListChangesAreStepsAndTheHistoryIsBoundedAndCleared)
{
    CEntries& c = w.entries();
    c.AddNewCategory(QStringLiteral("Jazz"));
    h.listsChanged(CollectionHistory::StepText("Add Category", "Jazz"));
    c.AddNewMedium(QStringLiteral("LP"));
    c.DeleteCategory(QStringLiteral("Jazz"));
    h.listsChanged("Lists");
    h.stack().undo();
    EXPECT_TRUE(c.CategoryEntries().contains("Jazz"));
    EXPECT_FALSE(c.MediumEntries().contains("LP"));
    EXPECT_TRUE(w.ws->refillCategories);
    h.stack().undo();
    EXPECT_FALSE(c.CategoryEntries().contains("Jazz"));
    h.listsChanged("Nothing changed"); // no step
    EXPECT_EQ(h.stack().count(), 2);

    for (int i = 0; i < 150; ++i) {
        c.AddNewCategory(QString::number(i));
        h.listsChanged(QString::number(i));
    }
    EXPECT_EQ(h.stack().count(), CollectionHistory::Limit);
    h.clear();
    EXPECT_FALSE(h.stack().canUndo());
    EXPECT_EQ(CollectionHistory::StepText("Delete", QString(60, u'x')).size(), 6 + 2 + 40 + 1);
}

// ---- the duplicate index ------------------------------------------------------------

TEST(Duplicates, ArtistAndTitleIgnoringCaseAccentsAndSurroundingBlanks)
{
    test::TestWorld w;
    DuplicateIndex& d = w.ws->duplicates;
    CEntry* held = w.entries().AddNewEntry();
    held->CDArtist = "Los Álamos Trío";
    held->CDTitle = "Noche de Ronda";
    held->CDMedium = "CD";
    held->CDCatnbr = "AR-1";
    CEntry* other = w.entries().AddNewEntry();
    struct Case { QString artist, title, medium, catnbr; int fields; bool dup; };
    const std::vector<Case> cases = {
        {"los alamos trio", "NOCHE DE RONDA", "", "", DuplicateField::ArtistTitle, true},
        {"  Los Álamos Trío ", "Noche de Ronda\t", "", "", DuplicateField::ArtistTitle, true},
        {"Los Alamos Trio", "Noche  de Ronda", "", "", DuplicateField::ArtistTitle, false}, // inner blanks count
        {"Los Alamos", "Noche de Ronda", "", "", DuplicateField::ArtistTitle, false},
        {"", "", "", "", DuplicateField::ArtistTitle, false},
        {"los alamos trio", "noche de ronda", "LP", "", DuplicateField::Medium, false},
        {"los alamos trio", "noche de ronda", "cd", "", DuplicateField::Medium, true},
        {"los alamos trio", "noche de ronda", "cd", "AR-2",
         DuplicateField::Medium | DuplicateField::CatalogNumber, false},
        {"los alamos trio", "noche de ronda", "LP", "ar-1", DuplicateField::CatalogNumber, true},
    };
    for (const Case& k : cases) {
        d.setFields(k.fields);
        other->CDArtist = k.artist;
        other->CDTitle = k.title;
        other->CDMedium = k.medium;
        other->CDCatnbr = k.catnbr;
        EXPECT_EQ(d.findDuplicate(*other), k.dup ? held->CDKey : QString())
            << k.artist.toStdString() << " / " << k.title.toStdString();
    }
    EXPECT_EQ(DuplicateIndex::FieldsFromText(DuplicateIndex::FieldsText(3)), 3);
    EXPECT_EQ(DuplicateIndex::FieldsFromText(QString()), DuplicateField::ArtistTitle);
}

TEST(Duplicates, TheIndexFollowsEditsDeletionsAndTakingBack)
{
    test::TestWorld w;
    CEntries& c = w.entries();
    DuplicateIndex& d = w.ws->duplicates;
    for (int i = 0; i < 3; ++i) {
        CEntry* e = c.AddNewEntry();
        e->CDArtist = "Ana";
        e->CDTitle = QStringLiteral("T%1").arg(i);
    }
    CEntry probe;
    probe.CDArtist = "ana";
    probe.CDTitle = "t1";
    EXPECT_EQ(d.findDuplicate(probe), "2");
    c.LocateEntryByKey("2");
    c.CurrEntry()->CDTitle = "Changed";
    c.ActionPost();
    EXPECT_EQ(d.findDuplicate(probe), "");
    probe.CDTitle = "changed";
    EXPECT_EQ(d.findDuplicate(probe), "2");
    auto taken = c.TakeEntry("2");
    EXPECT_EQ(d.findDuplicate(probe), "");
    c.PutEntry(std::move(taken), 0);
    EXPECT_EQ(d.duplicatesOf(probe), QStringList({"2"}));
    c.DeleteEntry("2");
    EXPECT_EQ(d.findDuplicate(probe), "");
}
