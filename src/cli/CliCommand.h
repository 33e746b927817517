#pragma once
// vinaxo-cli: each command lives in its own file and registers itself here; the
// commands only drive the core libraries.
#include "platform/IFormats.h"
#include "platform/IMessageService.h"

#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>

namespace vinaxo {
class Workspace;
}

namespace vinaxo::cli {

// Messages go to stderr as "title: text"; a question takes its answer from --yes / --no,
// else the default button's answer. Retry/Cancel is answered Cancel: with nobody to set
// things right, a retry would only fail again.
class CliMessages final : public IMessageService {
public:
    enum class Forced { None, Yes, No };
    explicit CliMessages(QTextStream& err) : m_err(err) {}
    using IMessageService::show;
    MsgAnswer show(const Message& message) override;
    // The default button, as a question with nobody to answer it.
    int showCustom(const QString& text, const QString& title, MsgIcon icon, const QStringList& buttons,
                   int defaultIndex) override;
    void setForced(Forced f) { m_forced = f; }
    Forced forced() const { return m_forced; }
    const std::vector<Message>& shown() const { return m_shown; }
    void setEcho(bool echo) { m_echo = echo; }

private:
    QTextStream& m_err;
    Forced m_forced = Forced::None;
    bool m_echo = true;
    std::vector<Message> m_shown;
};

struct Context {
    QStringList args; // after the command name
    QTextStream& out;
    QTextStream& err;
    CliMessages& messages;
    const IFormats& formats;
    // The world of the application, settings from the user's store, made on first use.
    Workspace& workspace();
    std::function<std::unique_ptr<Workspace>()> makeWorkspace;
    std::unique_ptr<Workspace> ws;
};

struct Command {
    QString name;
    QString summary; // one line for the command list
    QString usage;   // shown by --help
    std::function<int(Context&)> run;
    bool needsGui = false; // fonts or painting: a GUI application object (never a screen)
};

// Registers a command at start-up: static Registration r{Command{...}};
struct Registration {
    explicit Registration(Command c);
};

const std::vector<Command>& commands();

// Small helpers shared by the commands.
bool wantsHelp(const QStringList& args);
// Removes "--name value" (or "--name=value") from args; returns the value or a null string.
QString takeOption(QStringList& args, const QString& name);
bool takeFlag(QStringList& args, const QString& name);

} // namespace vinaxo::cli
