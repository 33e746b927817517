#include "model/CEntries.h"
#include "model/QuickFilter.h"
#include "support/TestWorld.h"

using namespace vinaxo;

TEST(QuickFilter, FoldingIgnoresCaseAndAccents)
{
    const std::vector<std::pair<QString, std::string>> cases = {
        {"LOS ÁLAMOS TRÍO", "los alamos trio"}, {"Zoë", "zoe"},       {"Élodie", "elodie"},
        {"Ǻngström", "angstrom"},               {"Straße", "straße"}, {"ÇA VA", "ca va"},
        {"e\u0301te\u0301", "ete"},              {"𝄞 Clef", "𝄞 clef"},  {"", ""},
    };
    for (const auto& [text, folded] : cases)
        EXPECT_EQ(FoldForQuickFilter(text), folded) << text.toStdString();
    EXPECT_EQ(QuickFilterWords("  Álamo   TRÍO\t"), (std::vector<std::string>{"alamo", "trio"}));
    EXPECT_TRUE(QuickFilterWords(" \t ").empty());
}

TEST(QuickFilter, EveryWordSomewhereInTheSearchedFields)
{
    test::TestWorld w;
    auto add = [&](const QString& title, const QString& artist) {
        CEntry* e = w.entries().AddNewEntry();
        e->CDTitle = title;
        e->CDArtist = artist;
        return e;
    };
    CEntry* trio = add("Noche de Ronda", "LOS ÁLAMOS TRÍO");
    trio->AddNewTrackEntry()->CDTrackTitle = "Bésame Mucho";
    trio->CDRelYear = 1961;
    CEntry* label = add("Other", "Someone");
    label->CDLabel = "Álamo Records";
    label->CDCatnbr = "AR-77";
    CEntry* people = add("Requiem", "Choir");
    people->CDComposer = "Fauré";
    people->CDConductor = "Ozawa";
    people->CDComments = "signed copy";
    people->CDDesc = "description is not searched";
    const QuickFilterIndex index(TakeQuickFilterSnapshot(w.entries()));
    ASSERT_EQ(index.size(), 3);
    EXPECT_EQ(index.keyAt(0), trio->CDKey);

    const std::vector<std::pair<QString, std::vector<char>>> cases = {
        {"", {1, 1, 1}},
        {"alamo", {1, 1, 0}},           // artist, label
        {"alamo trio", {1, 0, 0}},      // every word must appear
        {"BESAME", {1, 0, 0}},          // a track title
        {"1961", {1, 0, 0}},            // the year
        {"ar-77", {0, 1, 0}},           // catalogue number
        {"faure ozawa", {0, 0, 1}},     // composer and conductor
        {"signed", {0, 0, 1}},          // comments
        {"description", {0, 0, 0}},     // not a searched field
        {"ronda\nbesame", {1, 0, 0}},   // words, never a line break
        {"mucho other", {0, 0, 0}},
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(index.match(QuickFilterWords(typed)), expected) << typed.toStdString();

    std::atomic<bool> cancel{true};
    EXPECT_TRUE(index.match(QuickFilterWords("alamo"), &cancel).empty());
}
