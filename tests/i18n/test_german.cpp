// The window program under LANGUAGE=de (set by ctest): the translators installed as the
// application installs them, then texts of a form, of a window's code, of the widget-free
// core, and Qt's own.
#include "model/CEntry.h"
#include "model/Statistics.h"
#include "support/UiWorld.h"
#include "ui/common/Translations.h"
#include "ui/main/MainController.h"
#include "ui/main/frmCDMLIST.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace vinaxo;
using test::child;

TEST(German, TheWindowAndTheCoreSpeakGerman)
{
    installTranslations(*QCoreApplication::instance());
    test::UiWorld w;
    frmCDMLIST window(w.context);
    window.show();

    // A form (uic), and a window title, a menu and a status text made in code.
    EXPECT_EQ(child<QMenu>(&window, "MU_File")->title(), "&Datei");
    EXPECT_EQ(child<QAction>(&window, "MU_File_SaveAs")->text(), "Speichern &unter...");
    EXPECT_EQ(window.windowTitle(), "Vinaxo - Aufnahmesammlung");
    EXPECT_EQ(child<QAction>(&window, "MU_Edit_Undo")->text(), "&Rückgängig");
    EXPECT_EQ(MainController::CountText(2), " 2 Einträge");

    // A message of the window's code.
    child<QAction>(&window, "MU_Edit_Calc")->trigger();
    ASSERT_EQ(w.messages.count(), 1u);
    EXPECT_EQ(w.messages.last().title, "Auswahl erforderlich");
    EXPECT_EQ(w.messages.last().text, "Für diese Funktion muss eine Aufnahme ausgewählt sein");

    // The core: a model's message and a text from a table of its own.
    CEntry* e = w.addRecording("Alpha");
    EXPECT_FALSE(e->setCDTotalTimeStr("abc"));
    EXPECT_EQ(w.messages.last().title, "Ungültige Gesamtzeit");
    EXPECT_EQ(PlayingTimeText(((24 + 1) * 60 + 2) * 60), "1 Tag, 1 Stunde, 2 Minuten");

    // Qt's own buttons.
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
}
