#pragma once
// What a window asks of the main window: to hear about changes to the collection, and
// to open the windows that several others share. The main window implements it; tests
// use a recording double.
#include <QString>
#include <QtGlobal>

class QWidget;

namespace vinaxo {

class IWindows {
public:
    virtual ~IWindows() = default;
    // The collection changed through its edit protocol (LastAction, LastActionKey).
    virtual void EntryChanged(qint32 action, const QString& key) = 0;
    // Modal, over `parent`; they return when the window has closed.
    virtual void showCategoryList(QWidget* parent) = 0;
    virtual void showMediumList(QWidget* parent) = 0;
    // The lookup window; databaseAction true offers updating the edited recording.
    virtual void showLookup(QWidget* parent, bool databaseAction) = 0;
    // Makes the recording current and selected in the main list, showing every recording
    // when a filter hides it.
    virtual void selectRecording(const QString& key) = 0;
    // A short note in the main window's status bar (panel 1).
    virtual void showStatus(const QString& text) = 0;
    // The application-wide list flags (filter, rebuild) were set: the main window runs
    // its activation check when it is next activated, or now when it already is active.
    virtual void requestActivationCheck() = 0;
};

} // namespace vinaxo
