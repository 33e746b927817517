#include "support/UiWorld.h"
#include "ui/main/frmCDMLIST.h"

using namespace vinaxo;

TEST(MainWindow, CaptionAndWorld)
{
    test::UiWorld w;
    frmCDMLIST window(*w.ws);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Vinaxo - Recording Collection");
    EXPECT_TRUE(window.isVisible());
}
