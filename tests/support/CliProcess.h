// vinaxo-cli run as a program with its own settings and data folders, awaited with the
// event loop running so that a server living in this process can answer it.
#pragma once

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTimer>

namespace vinaxo::test {

struct CliRun {
    int code = -1; // -1 also when the program crashed
    QByteArray out, err;
    QJsonObject json; // the output read as one JSON object
};

inline CliRun RunCli(const QString& configHome, const QString& dataHome, const QStringList& args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", configHome);
    env.insert("XDG_DATA_HOME", dataHome);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    QEventLoop loop;
    QObject::connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&p, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    p.start(QStringLiteral(VINAXO_CLI), args);
    loop.exec();
    CliRun r;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    r.json = QJsonDocument::fromJson(r.out).object();
    return r;
}

} // namespace vinaxo::test
