#pragma once
// One world of the application: the settings, the collection, the filter and the key
// sequence, with the application-wide state the windows share. Tests build as many
// independent worlds as they like.
#include "model/CEntries.h"
#include "model/CEntrySelection.h"
#include "model/CEntrySequence.h"
#include "model/DuplicateIndex.h"
#include "model/PendingCovers.h"
#include "storage/CDConfig.h"

namespace vinaxo {

class CollectionHistory;
class IFormats;
class IMessageService;

class Workspace {
public:
    Workspace(IMessageService& messages, const IFormats& formats, const QString& settingsPath)
        : messages(messages), formats(formats), config(settingsPath),
          entries(messages, formats, sequence, &config)
    {
        selection.setEntries(&entries);
        entries.EntrySelection = &selection;
        duplicates.setFields(DuplicateIndex::FieldsFromText(
            config.extraValue(DuplicateSection, DuplicateFieldsKey).toString()));
    }

    // Where the duplicate check's choice of fields is kept.
    static inline const QString DuplicateSection = QStringLiteral("Duplicates");
    static inline const QString DuplicateFieldsKey = QStringLiteral("Fields");

    IMessageService& messages;
    const IFormats& formats;
    CDConfig config;
    CEntrySequence sequence;
    CEntries entries;
    CEntrySelection selection;
    DuplicateIndex duplicates{entries};
    // The changes that can be taken back; none where nothing offers undo (the command line).
    CollectionHistory* history = nullptr;

    // Application-wide state
    QString currentFileName;
    bool allRecords = true;   // the main list shows every recording
    bool filterOn = false;    // the filter button is down
    bool rebuildList = false; // the main list is rebuilt when next activated
    // The entry editor reloads these drop-down lists when set.
    bool refillArtists = false, refillLabels = false, refillCategories = false,
         refillMediums = false;
    // Pictures set or removed since the last save, placed when the collection is saved.
    PendingCovers pendingCovers;
};

} // namespace vinaxo
