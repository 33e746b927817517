#include "lookup/CdioAudioDevice.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

#include <cdio/cdio.h>
#include <cdio/cdtext.h>
#include <cdio/logging.h>

namespace vinaxo {

namespace {
// libcdio's own log handler prints to stderr and ends the process on errors; a broken
// image must never do that, so its messages are dropped and the results checked.
void quietLog(cdio_log_level_t, const char*) {}

void installQuietLog()
{
    static const bool done = [] {
        cdio_log_set_handler(quietLog);
        return true;
    }();
    (void)done;
}

struct CdioHandle {
    CdIo_t* p = nullptr;
    ~CdioHandle()
    {
        if (p)
            cdio_destroy(p);
    }
};

// A CD-Text field: trimmed, and capped, as the disc could say anything.
QString cdTextField(const cdtext_t* text, cdtext_field_t field, track_t track)
{
    const char* v = cdtext_get_const(text, field, track);
    if (!v)
        return {};
    const QString s = QString::fromUtf8(v, qsizetype(qstrnlen(v, 1024))).trimmed();
    // libcdio takes a CUE sheet's text for Latin-1; one written in UTF-8 (as most are
    // today) comes out encoded twice. Undone only when the result is valid UTF-8.
    if (std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() > 0xFF; })
        || std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return s;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString once = utf8(s.toLatin1());
    return utf8.hasError() ? s : once;
}

// The album's title and performer (track 0) and the audio tracks' titles in disc order.
CdText readCdText(CdIo_t* p, const DiscToc& toc)
{
    CdText out;
    cdtext_t* text = cdio_get_cdtext(p);
    if (!text)
        return out;
    out.title = cdTextField(text, CDTEXT_FIELD_TITLE, 0);
    out.performer = cdTextField(text, CDTEXT_FIELD_PERFORMER, 0);
    for (const DiscTrack& t : toc.tracks) {
        if (t.audio)
            out.trackTitles << cdTextField(text, CDTEXT_FIELD_TITLE, track_t(t.number));
    }
    if (out.isEmpty())
        out = CdText{};
    return out;
}

// The n-th hardware drive (0 = the default one), or an empty text.
QString hardwareDrive(int index)
{
    if (index == 0) {
        driver_id_t id = DRIVER_DEVICE;
        char* d = cdio_get_default_device_driver(&id);
        if (!d)
            return {};
        const QString s = QString::fromLocal8Bit(d);
        cdio_free(d);
        return s;
    }
    return CdioAudioDevice::hardwareDrives().value(index);
}
}

QStringList CdioAudioDevice::hardwareDrives()
{
    QStringList out;
    char** list = cdio_get_devices(DRIVER_DEVICE);
    if (!list)
        return out;
    for (int i = 0; list[i]; ++i)
        out << QString::fromLocal8Bit(list[i]);
    cdio_free_device_list(list);
    return out;
}

CdioAudioDevice::CdioAudioDevice() { installQuietLog(); }

CdioAudioDevice::~CdioAudioDevice() = default;

bool CdioAudioDevice::isDriveLetter(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z]:$"));
    return text.trimmed().isEmpty() || re.match(text.trimmed()).hasMatch();
}

CDOpenResult CdioAudioDevice::fail(CDOpenResult r, const QString& what)
{
    m_error = what.isEmpty() ? CDOpenResultText(r) : CDOpenResultText(r) + QStringLiteral(": ") + what;
    return r;
}

CDOpenResult CdioAudioDevice::open(const QString& driveOrImage)
{
    close();
    m_error.clear();
    const QString name = driveOrImage.trimmed();
    QString path = name;
    bool image = false;
    if (isDriveLetter(name)) {
        const int index = name.isEmpty() ? 0 : name.at(0).toUpper().unicode() - u'D';
        path = index < 0 ? QString() : hardwareDrive(index);
        if (path.isEmpty())
            return fail(CDOpenResult::NoDrive, name);
    } else {
        const QFileInfo fi(name);
        if (!fi.exists())
            return fail(CDOpenResult::NoDrive, name);
        image = fi.isFile();
    }

    CdioHandle h;
    const QByteArray native = image ? QFile::encodeName(QFileInfo(path).absoluteFilePath()) : QFile::encodeName(path);
    {
        // A cdrdao TOC names its data files relative to itself, libcdio reads them
        // relative to the working folder: the TOC's folder is made current meanwhile.
        const bool toc = image && path.endsWith(QLatin1String(".toc"), Qt::CaseInsensitive);
        const QString before = QDir::currentPath();
        if (toc)
            QDir::setCurrent(QFileInfo(path).absolutePath());
        h.p = cdio_open(native.constData(), DRIVER_UNKNOWN);
        if (toc)
            QDir::setCurrent(before);
    }
    if (!h.p)
        return fail(image ? CDOpenResult::BrokenImage : CDOpenResult::NoDisc, path);

    const track_t first = cdio_get_first_track_num(h.p);
    const track_t count = cdio_get_num_tracks(h.p);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0 || first == 0
        || int(first) + int(count) - 1 > 99)
        return fail(image ? CDOpenResult::BrokenImage : CDOpenResult::NoDisc, path);

    DiscToc toc;
    bool anyAudio = false;
    for (int t = first; t < int(first) + int(count); ++t) {
        const lsn_t lsn = cdio_get_track_lsn(h.p, track_t(t));
        if (lsn == CDIO_INVALID_LSN || lsn < 0)
            return fail(image ? CDOpenResult::BrokenImage : CDOpenResult::NoDisc, path);
        DiscTrack dt;
        dt.number = t;
        dt.start = qint32(lsn) + DiscToc::LeadIn;
        dt.audio = cdio_get_track_format(h.p, track_t(t)) == TRACK_FORMAT_AUDIO;
        if (!toc.tracks.empty() && dt.start < toc.tracks.back().start)
            return fail(CDOpenResult::BrokenImage, path);
        anyAudio = anyAudio || dt.audio;
        toc.tracks.push_back(dt);
    }
    const lsn_t leadOut = cdio_get_track_lsn(h.p, CDIO_CDROM_LEADOUT_TRACK);
    if (leadOut == CDIO_INVALID_LSN || qint32(leadOut) + DiscToc::LeadIn < toc.tracks.back().start)
        return fail(image ? CDOpenResult::BrokenImage : CDOpenResult::NoDisc, path);
    toc.leadOut = qint32(leadOut) + DiscToc::LeadIn;
    if (!anyAudio)
        return fail(CDOpenResult::NotAudio, path);

    m_cdText = readCdText(h.p, toc);
    m_toc = std::move(toc);
    m_open = true;
    return CDOpenResult::Ok;
}

void CdioAudioDevice::close()
{
    m_toc = DiscToc{};
    m_cdText = CdText{};
    m_open = false;
}

} // namespace vinaxo
