#include "exchange/ExchangeState.h"
#include "model/CEntries.h"
#include "model/Workspace.h"
#include "platform/IFormats.h"
#include "storage/FileAccess.h"
#include "storage/RecoveryKeeper.h"
#include "storage/RecoveryStore.h"
#include "ui/common/AppContext.h"
#include "ui/common/QtBusyPointer.h"
#include "ui/common/QtFileDialogs.h"
#include "ui/common/QtMessageService.h"
#include "ui/common/Translations.h"
#include "ui/main/frmCDMLIST.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <QCommandLineParser>
#include <QSessionManager>
#include <QThread>
#include <QTimer>
#include <atomic>

namespace {
// Hooks for the fault test (tests/recovery_fault_test.sh), through the environment only:
// VINAXO_TEST_ANSWERS answers the questions with buttons of their own by caption, in
// order (other messages take their default button), so that no box waits for a hand;
// VINAXO_TEST_EDIT adds recordings with these titles (comma-separated), the first after
// start-up and each next one once a recovery copy has been written;
// VINAXO_TEST_SAVE_AND_QUIT saves after start-up (and the edits) and quits.
class AnsweringMessages final : public vinaxo::IMessageService {
public:
    explicit AnsweringMessages(QStringList answers) : m_answers(std::move(answers)) {}
    using IMessageService::show;
    vinaxo::MsgAnswer show(const vinaxo::Message& m) override
    {
        qWarning().noquote() << "message:" << m.title << ":" << m.text;
        return vinaxo::defaultAnswer(m.buttons, m.defaultButton);
    }
    int showCustom(const QString& text, const QString& title, vinaxo::MsgIcon, const QStringList& buttons,
                   int defaultIndex) override
    {
        const QString answer = m_answers.isEmpty() ? QString() : m_answers.takeFirst();
        const int i = buttons.indexOf(answer);
        qWarning().noquote() << "question:" << title << ":" << text << "->" << buttons.value(i < 0 ? defaultIndex : i);
        return i < 0 ? defaultIndex : i;
    }

private:
    QStringList m_answers;
};

// VINAXO_TEST_RECOVERY_WRITE_PAUSE_MS: every recovery write after the first pauses this
// long half way (its temporary file begun), so that the fault test can kill the program
// in the middle of one.
class PausingFiles final : public vinaxo::FileAccess {
public:
    explicit PausingFiles(int ms) : m_ms(ms) {}

protected:
    qint64 writeSome(QFileDevice& file, const char* data, qint64 size) const override
    {
        // Two files to a copy: the first copy's data and record pass unhindered.
        if (++m_writes > 2 && size > 1) {
            const qint64 half = file.write(data, size / 2);
            file.flush();
            QThread::msleep(std::uint64_t(m_ms));
            return half;
        }
        return file.write(data, size);
    }

private:
    int m_ms;
    mutable std::atomic<int> m_writes{0};
};

void addRecording(vinaxo::Workspace& ws, vinaxo::frmCDMLIST& window, const QString& title)
{
    vinaxo::CEntries& entries = ws.entries;
    entries.ActionAdd();
    entries.CurrEntry()->CDTitle = title;
    entries.ActionPost();
    window.EntryChanged(entries.LastAction(), entries.LastActionKey());
}

// VINAXO_DARK=1: Fusion with a dark palette, to look at the windows as a dark desktop
// shows them where the machine has no dark theme of its own.
void useDarkLook()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230), dim(127, 127, 127);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, dim);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Light, QColor(80, 80, 80));
    p.setColor(QPalette::Midlight, QColor(66, 66, 66));
    p.setColor(QPalette::Mid, QColor(45, 45, 45));
    p.setColor(QPalette::Dark, QColor(25, 25, 25));
    p.setColor(QPalette::Shadow, QColor(20, 20, 20));
    p.setColor(QPalette::Link, QColor(110, 170, 240));
    p.setColor(QPalette::Highlight, QColor(42, 110, 190));
    p.setColor(QPalette::HighlightedText, Qt::white);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, dim);
    QApplication::setPalette(p);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vinaxo"));
    QApplication::setApplicationVersion(QStringLiteral("3.1"));
    QApplication::setDesktopFileName(QStringLiteral("vinaxo"));
    if (qEnvironmentVariableIntValue("VINAXO_DARK") == 1)
        useDarkLook();
    vinaxo::installTranslations(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Catalogues a personal collection of recordings."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("main", "A collection file to open."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();

    // The one world of the application; every window reaches it through the context.
    vinaxo::QtMessageService boxes;
    const bool testHooks = qEnvironmentVariableIsSet("VINAXO_TEST_ANSWERS");
    AnsweringMessages answering(qEnvironmentVariable("VINAXO_TEST_ANSWERS").split(u',', Qt::SkipEmptyParts));
    vinaxo::IMessageService& messages = testHooks ? static_cast<vinaxo::IMessageService&>(answering) : boxes;
    vinaxo::LocaleFormats formats;
    vinaxo::Workspace workspace(messages, formats, vinaxo::CDConfig::defaultPath());
    vinaxo::QtFileDialogs dialogs;
    vinaxo::QtBusyPointer busy;
    vinaxo::exchange::ExchangeState exchange;
    vinaxo::AppContext context{workspace, dialogs, busy, exchange};

    // Unsaved changes survive a crash as a recovery copy. The interval can be shortened
    // from outside (in milliseconds) so that a test need not wait a minute.
    vinaxo::RecoveryStore recoveryStore; // outlives the window, whose copies it holds
    PausingFiles pausing(qEnvironmentVariableIntValue("VINAXO_TEST_RECOVERY_WRITE_PAUSE_MS"));
    if (qEnvironmentVariableIsSet("VINAXO_TEST_RECOVERY_WRITE_PAUSE_MS"))
        recoveryStore.setFileAccess(pausing);
    std::chrono::milliseconds interval = vinaxo::RecoveryKeeper::DefaultInterval;
    if (const int ms = qEnvironmentVariableIntValue("VINAXO_RECOVERY_INTERVAL_MS"); ms > 0)
        interval = std::chrono::milliseconds(ms);
    vinaxo::frmCDMLIST window(context);
    boxes.setParent(&window);
    window.enableRecovery(recoveryStore, interval);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager& manager) { window.commitSessionData(manager); },
                     Qt::DirectConnection);
    window.show();
    const QString file = files.isEmpty() ? QString() : files.constFirst();
    // For measuring start-up from outside: quit once the first file is shown and idle.
    const bool quitWhenIdle = qEnvironmentVariableIsSet("VINAXO_QUIT_WHEN_IDLE");
    QStringList edits = qEnvironmentVariable("VINAXO_TEST_EDIT").split(u',', Qt::SkipEmptyParts);
    const bool saveAndQuit = qEnvironmentVariableIsSet("VINAXO_TEST_SAVE_AND_QUIT");
    if (edits.size() > 1 && window.recovery()) {
        window.recovery()->written = [&window, &workspace, &edits](const vinaxo::FileError&) {
            QMetaObject::invokeMethod(&window, [&window, &workspace, &edits] {
                if (!edits.isEmpty())
                    addRecording(workspace, window, edits.takeFirst());
            });
        };
    }
    QTimer::singleShot(0, &window, [&window, &workspace, &edits, file, quitWhenIdle, saveAndQuit] {
        window.startUp(file, !quitWhenIdle && !saveAndQuit);
        if (!edits.isEmpty())
            addRecording(workspace, window, edits.takeFirst());
        if (saveAndQuit) {
            window.fileCommands().save();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            return;
        }
        if (quitWhenIdle) {
            // A step of its own, after what the start-up has posted (the list laid out).
            QTimer::singleShot(0, &window, [&window] {
                window.repaint(); // the list's visible rows drawn, not only laid out
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            });
        }
    });
    return app.exec();
}
