#pragma once
// Toolbar images: the desktop theme's icon when the theme has one, else the bundled
// drawing (resources under :/vinaxo/icons/), whose outlines follow a dark palette.
#include <QIcon>
#include <QString>
#include <QStringList>

namespace vinaxo {

// The theme icon `themeName` (alternatives may be separated by ";", the first the
// theme has wins), else the icon drawn in `fallbackResource`.
QIcon toolbarIcon(const QString& themeName, const QString& fallbackResource);

struct ToolbarIconSpec {
    const char* key;       // the main window's toolbar button key
    const char* themeNames; // freedesktop names, ";"-separated alternatives
    const char* resource;  // the bundled drawing
};

// The ten main-window toolbar buttons in toolbar order: Open, Save, Edit, Print, Calc,
// CDInfo, Search, Filter, Exit, Help.
const ToolbarIconSpec (&mainToolbarIcons())[10];

// The icon of a main-window toolbar button by its key; a null icon for an unknown key.
QIcon mainToolbarIcon(const QString& key);

// The application icon (theme "vinaxo", else the bundled drawing).
QIcon applicationIcon();

inline constexpr const char* ApplicationIconResource = ":/vinaxo/vinaxo.svg";

} // namespace vinaxo
