#include "support/TestWorld.h"
#include "ui/main/frmCDMLIST.h"

#include <QApplication>

using namespace vinaxo;

TEST(MainWindow, CaptionAndWorld)
{
    test::TestWorld w;
    frmCDMLIST window(*w.ws);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Vinaxo - Recording Collection");
    EXPECT_TRUE(window.isVisible());
}
