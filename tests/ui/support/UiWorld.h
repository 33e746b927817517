#pragma once
// A test world for windows: the model's test world plus the window seams (scripted file
// dialogs, a counting busy pointer, the exchange state, a recording main-window link).
#include "exchange/ExchangeState.h"
#include "platform/IBusyPointer.h"
#include "support/RecordingWindows.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TestWorld.h"
#include "ui/common/AppContext.h"

class QTreeWidget;
class QWidget;

namespace vinaxo::test {

class CountingBusyPointer final : public IBusyPointer {
public:
    void ShowBusyPointer() override { ++busy; }
    void ShowNormalPointer() override { ++normal; }
    int busy = 0, normal = 0;
};

struct UiWorld : TestWorld {
    UiWorld();
    ScriptedFileDialogs dialogs;
    CountingBusyPointer busy;
    exchange::ExchangeState exchangeState;
    RecordingWindows windows;
    AppContext context;

    // Adds a recording with the given title and artist (and n tracks "Track i", 3:00 each).
    CEntry* addRecording(const QString& title, const QString& artist = QString(), int tracks = 0);
};

// A collection file made in a world of its own: one recording per title (artist
// "Artist of <title>", 2 tracks each); `path` back.
QString writeCollection(const QString& path, const QStringList& titles);

// Saves a picture of the window into $VINAXO_SHOT_DIR when it is set (to look at a
// window under Xvfb); nothing otherwise.
void shot(QWidget* window, const QString& file);

// The child of `parent` with this objectName and type; fails the test when missing.
template <class W>
W* child(QWidget* parent, const char* name);

// The texts of one column of a list, top to bottom.
QStringList columnTexts(QTreeWidget* list, int column = 0);

} // namespace vinaxo::test

#include <QWidget>

template <class W>
W* vinaxo::test::child(QWidget* parent, const char* name)
{
    W* w = parent->findChild<W*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << "no child named " << name;
    return w;
}
