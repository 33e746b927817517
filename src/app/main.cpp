#include "model/Utility.h"
#include "model/Workspace.h"
#include "platform/IFormats.h"
#include "ui/common/QtMessageService.h"
#include "ui/main/frmCDMLIST.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vinaxo"));
    QApplication::setApplicationVersion(QStringLiteral("3.1"));

    vinaxo::QtMessageService messages;
    vinaxo::LocaleFormats formats;
    vinaxo::Workspace workspace(messages, formats, vinaxo::CDConfig::defaultPath());

    vinaxo::frmCDMLIST window(workspace);
    messages.setParent(&window);
    window.show();
    return app.exec();
}
