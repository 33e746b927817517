#pragma once
// A test world with a few recordings in the main list's order.
#include "model/ListOrder.h"
#include "support/UiWorld.h"

namespace vinaxo::test {

struct EntryWorld : UiWorld {
    EntryWorld()
    {
        for (const char* c : {"Rock", "Jazz", "Classical"})
            entries().AddNewCategory(QString::fromLatin1(c));
        for (const char* m : {"CD", "Cassette"})
            entries().AddNewMedium(QString::fromLatin1(m));
        ws->refillArtists = ws->refillLabels = ws->refillCategories = ws->refillMediums = true;
    }
    // The sequence in the list's order by title, standing on the first recording.
    void sortByTitle()
    {
        RebuildSequence(sequence(), ListOrder(entries(), ListSort{127, false}));
        entries().FirstRecord();
    }
    QString errorTitles() const
    {
        QStringList t;
        for (const auto& m : messages.messages())
            t << m.title;
        return t.join(u'|');
    }
};

} // namespace vinaxo::test
