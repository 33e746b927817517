#include "cli/CliCommand.h"
#include "model/Workspace.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// The sanitized build checks for leaks at exit, so it frees everything.
#if defined(__SANITIZE_ADDRESS__)
#define VINAXO_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VINAXO_LEAK_CHECKED 1
#endif
#endif

namespace vinaxo::cli {

namespace {
std::vector<Command>& registry()
{
    static std::vector<Command> r;
    return r;
}

QString answerText(MsgAnswer a)
{
    switch (a) {
    case MsgAnswer::OK: return QStringLiteral("OK");
    case MsgAnswer::Cancel: return QStringLiteral("Cancel");
    case MsgAnswer::Yes: return QStringLiteral("Yes");
    case MsgAnswer::No: return QStringLiteral("No");
    case MsgAnswer::Retry: return QStringLiteral("Retry");
    case MsgAnswer::Abort: return QStringLiteral("Abort");
    case MsgAnswer::Ignore: return QStringLiteral("Ignore");
    }
    return {};
}
}

Registration::Registration(Command c) { registry().push_back(std::move(c)); }

const std::vector<Command>& commands() { return registry(); }

MsgAnswer CliMessages::show(const Message& m)
{
    m_shown.push_back(m);
    MsgAnswer a = defaultAnswer(m.buttons, m.defaultButton);
    const bool question = m.buttons == MsgButtons::YesNo || m.buttons == MsgButtons::YesNoCancel;
    if (question && m_forced != Forced::None)
        a = m_forced == Forced::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    if (m.buttons == MsgButtons::RetryCancel)
        a = MsgAnswer::Cancel;
    if (m_echo) {
        QString text = m.text;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        m_err << m.title << ": " << text;
        if (m.buttons != MsgButtons::OK)
            m_err << " [" << answerText(a) << "]";
        m_err << Qt::endl;
    }
    return a;
}

int CliMessages::showCustom(const QString& text, const QString& title, MsgIcon icon,
                            const QStringList& buttons, int defaultIndex)
{
    m_shown.push_back(Message{text, title, icon, MsgButtons::OK, MsgDefault::First});
    if (m_echo)
        m_err << title << ": " << text << " [" << buttons.value(defaultIndex) << "]" << Qt::endl;
    return defaultIndex;
}

Workspace& Context::workspace()
{
    if (!ws)
        ws = makeWorkspace();
    return *ws;
}

bool wantsHelp(const QStringList& args)
{
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

QString takeOption(QStringList& args, const QString& name)
{
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == name && i + 1 < args.size()) {
            const QString v = args[i + 1];
            args.remove(i, 2);
            return v.isNull() ? QStringLiteral("") : v;
        }
        if (args[i].startsWith(name + u'=')) {
            const QString v = args[i].mid(name.size() + 1);
            args.removeAt(i);
            return v.isNull() ? QStringLiteral("") : v;
        }
    }
    return QString();
}

bool takeFlag(QStringList& args, const QString& name)
{
    return args.removeAll(name) > 0;
}

} // namespace vinaxo::cli

int main(int argc, char** argv)
{
    using namespace vinaxo;
    using namespace vinaxo::cli;
    // Fonts and PDF output need a GUI application object, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // Qt warns on stderr without one; stderr carries the program's messages.
        const QByteArray dir = "/tmp/vinaxo-runtime-" + QByteArray::number(uint(getuid()));
        ::mkdir(dir.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    // Only the commands that use fonts or paint pay for a GUI application object.
    const QString first = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    bool gui = false;
    for (const Command& c : commands())
        gui = gui || (c.name == first && c.needsGui);
    std::unique_ptr<QCoreApplication> app;
    if (gui)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vinaxo-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral("3.1"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);

    auto usage = [&](QTextStream& s) {
        s << "Usage: vinaxo-cli COMMAND [ARGS...]   (vinaxo-cli COMMAND --help for details)\n\nCommands:\n";
        for (const Command& c : commands())
            s << "  " << c.name.leftJustified(12) << " " << c.summary << "\n";
        s.flush();
    };
    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        usage(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (const Command& c : commands()) {
        if (c.name != name)
            continue;
        if (wantsHelp(args)) {
            out << c.usage << Qt::endl;
            return 0;
        }
        CliMessages messages(err);
        if (takeFlag(args, QStringLiteral("--yes")))
            messages.setForced(CliMessages::Forced::Yes);
        if (takeFlag(args, QStringLiteral("--no")))
            messages.setForced(CliMessages::Forced::No);
        LocaleFormats formats;
        Context ctx{args, out, err, messages, formats, {}, {}};
        ctx.makeWorkspace = [&]() {
            return std::make_unique<Workspace>(messages, formats, CDConfig::defaultPath());
        };
        const int rc = c.run(ctx);
        out.flush();
        err.flush();
#ifndef VINAXO_LEAK_CHECKED
        // The process ends here: tearing a large collection down piece by piece would
        // only delay the exit (the sanitized build still frees it, for its leak check).
        (void)ctx.ws.release();
#endif
        return rc;
    }
    err << "vinaxo-cli: unknown command '" << name << "'\n";
    usage(err);
    return 2;
}
