#pragma once
// A self-contained world for tests: scripted messages, a fixed locale and date, and a
// settings store in a temporary folder.
#include "model/Workspace.h"
#include "platform/IFormats.h"
#include "support/ScriptedMessages.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

namespace vinaxo::test {

// en_US formats with today fixed at 7 December 2026.
const LocaleFormats& fixedFormats();
QDate fixedToday();

struct TestWorld {
    TestWorld();
    QTemporaryDir dir;
    ScriptedMessages messages;
    std::unique_ptr<Workspace> ws;

    CEntries& entries() { return ws->entries; }
    CEntrySequence& sequence() { return ws->sequence; }
    CDConfig& config() { return ws->config; }
    QString settingsPath() const { return dir.filePath(QStringLiteral("settings.ini")); }
};

// A whole file's bytes ("<unreadable>" when it cannot be read), and a file written whole.
inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

} // namespace vinaxo::test

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE
