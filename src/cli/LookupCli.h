#pragma once
// What the lookup commands share: server flags over the stored settings, the disc
// given on the command line, status texts on stderr.
#include "lookup/CCDInfo.h"
#include "lookup/CdioAudioDevice.h"

#include <QJsonObject>
#include <QStringList>
#include <QTextStream>

namespace vinaxo::cli {

struct Context;

// Opens the disc named on the command line whatever path the caller asks for, so the
// stored drive setting is left as it is.
class FixedDiscDevice final : public ICDAudioDevice {
public:
    explicit FixedDiscDevice(QString path) : m_path(std::move(path)) {}
    CDOpenResult open(const QString&) override { return m_inner.open(m_path); }
    void close() override { m_inner.close(); }
    bool isOpen() const override { return m_inner.isOpen(); }
    const DiscToc& toc() const override { return m_inner.toc(); }
    QString errorText() const override { return m_inner.errorText(); }
    QString path() const { return m_path; }

private:
    QString m_path;
    CdioAudioDevice m_inner;
};

// Takes --server, --port, --path, --user, --timeout and --http from args and applies
// them to the lookup object (not to the stored settings). False, with the reason on
// stderr, for a bad value.
bool ApplyServerOptions(Context& ctx, QStringList& args, CCDInfo& info);

// The site lists: the user's, and the one shipped with the program, found where an
// installed or a built program keeps it.
CCDInfo::SiteListFiles SiteListFiles();

// Status texts go to stderr as "status: TEXT", then the object is initialised from the
// stored settings and the server flags applied. False for a bad flag.
bool PrepareLookup(Context& ctx, QStringList& args, CCDInfo& info);

// The stored drive, or the one given.
QString DiscArgument(Context& ctx, const QStringList& args);

void PrintJson(Context& ctx, const QJsonObject& o);

// lookup --source musicbrainz, with the arguments that follow the command name.
int RunMusicBrainzLookup(Context& ctx, QStringList args);

} // namespace vinaxo::cli
