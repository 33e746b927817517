#pragma once
// The category and medium list windows are one window over one of two name lists.
// This table holds what differs between them; NameListEditor does the work, without
// widgets, so that it is tested directly.
#include <QString>
#include <QStringList>

namespace vinaxo {

class CEntries;
class Workspace;

struct NameListKind {
    // The collection's list and its operations.
    QStringList (*names)(const CEntries&);
    bool (*add)(CEntries&, QString&);
    bool (*remove)(CEntries&, const QString&);
    bool Workspace::*refill; // tells the entry editor to reload its drop-down list

    // The window: objectNames and captions.
    const char* windowName;
    const char* caption;
    const char* listName;
    const char* listHeading;
    const char* textName;
    const char* textLabel;
    const char* addName;
    const char* addCaption;
    const char* deleteName;
    const char* deleteCaption;

    // The prompt and the messages.
    const char* description;
    const char* addFailText;
    const char* addFailTitle;
    const char* deleteFailStart; // + name +
    const char* deleteFailEnd;
    const char* deleteFailTitle;
};

// The table's captions and messages in the user's language.
QString NameListText(const char* text);

const NameListKind& CategoryListKind();
const NameListKind& MediumListKind();

class NameListEditor {
public:
    NameListEditor(Workspace& ws, const NameListKind& kind) : m_ws(ws), m_kind(kind) {}

    // The names the window lists, in collection order.
    QStringList names() const;
    // Adds the name (trimmed); a refusal is reported. True when added.
    bool add(const QString& name);
    // Deletes the name (trimmed) when no recording uses it; a refusal is reported.
    // True when deleted.
    bool remove(const QString& typed);

private:
    Workspace& m_ws;
    const NameListKind& m_kind;
};

} // namespace vinaxo
