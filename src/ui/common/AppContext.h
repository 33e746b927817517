#pragma once
// What every window is handed: the world it works on and the seams to the outside.
// One application object owns all of it; tests build their own.
namespace vinaxo {

class IBusyPointer;
class IFileDialogs;
class IWindows;
class Workspace;
namespace exchange { struct ExchangeState; }

struct AppContext {
    Workspace& ws;
    IFileDialogs& dialogs;
    IBusyPointer& busy;
    exchange::ExchangeState& exchange; // the import/export window's state for the whole run
    IWindows* windows = nullptr;       // the main window, once it exists
};

} // namespace vinaxo
