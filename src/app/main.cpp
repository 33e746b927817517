#include "exchange/ExchangeState.h"
#include "model/Workspace.h"
#include "platform/IFormats.h"
#include "ui/common/AppContext.h"
#include "ui/common/QtBusyPointer.h"
#include "ui/common/QtFileDialogs.h"
#include "ui/common/QtMessageService.h"
#include "storage/RecoveryKeeper.h"
#include "storage/RecoveryStore.h"
#include "ui/main/frmCDMLIST.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSessionManager>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vinaxo"));
    QApplication::setApplicationVersion(QStringLiteral("3.1"));
    QApplication::setDesktopFileName(QStringLiteral("vinaxo"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Catalogues a personal collection of recordings."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A collection file to open."), QStringLiteral("[FILE]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();

    // The one world of the application; every window reaches it through the context.
    vinaxo::QtMessageService messages;
    vinaxo::LocaleFormats formats;
    vinaxo::Workspace workspace(messages, formats, vinaxo::CDConfig::defaultPath());
    vinaxo::QtFileDialogs dialogs;
    vinaxo::QtBusyPointer busy;
    vinaxo::exchange::ExchangeState exchange;
    vinaxo::AppContext context{workspace, dialogs, busy, exchange};

    // Unsaved changes survive a crash as a recovery copy. The interval can be shortened
    // from outside (in milliseconds) so that a test need not wait a minute.
    vinaxo::RecoveryStore recoveryStore; // outlives the window, whose copies it holds
    std::chrono::milliseconds interval = vinaxo::RecoveryKeeper::DefaultInterval;
    if (const int ms = qEnvironmentVariableIntValue("VINAXO_RECOVERY_INTERVAL_MS"); ms > 0)
        interval = std::chrono::milliseconds(ms);
    vinaxo::frmCDMLIST window(context);
    messages.setParent(&window);
    window.enableRecovery(recoveryStore, interval);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager& manager) { window.commitSessionData(manager); },
                     Qt::DirectConnection);
    window.show();
    const QString file = files.isEmpty() ? QString() : files.constFirst();
    // For measuring start-up from outside: quit once the first file is shown and idle.
    const bool quitWhenIdle = qEnvironmentVariableIsSet("VINAXO_QUIT_WHEN_IDLE");
    QTimer::singleShot(0, &window, [&window, file, quitWhenIdle] {
        window.startUp(file, !quitWhenIdle);
        if (quitWhenIdle) {
            QCoreApplication::processEvents();
            window.repaint(); // the list's visible rows drawn, not only laid out
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    });
    return app.exec();
}
