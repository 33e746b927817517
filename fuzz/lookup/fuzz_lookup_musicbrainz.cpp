// A MusicBrainz disc reply as a server might send it, and its mapping to recordings.
// The first byte is the disc's audio track count.
#include "lookup/MusicBrainzReply.h"
#include "model/TimeText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int audio = data[0] % 100;
    const QByteArrayView json(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QString discId = QStringLiteral("49HHV7Eb8UKF3aQiNmu1GR8vKTY-");
    const vinaxo::MbDiscReply r = vinaxo::ParseDiscReply(json, discId, audio);
    if (!r.ok && !r.candidates.empty())
        std::abort();
    if (r.candidates.size() > std::size_t(vinaxo::MbMaxCandidates))
        std::abort();
    vinaxo::DiscToc disc;
    for (int i = 0; i < audio; ++i)
        disc.tracks.push_back({i + 1, 150 + i * 4500, true});
    disc.leadOut = 150 + audio * 4500;
    for (const vinaxo::MbCandidate& c : r.candidates) {
        if (c.tracks.size() > std::size_t(vinaxo::MbMaxTracks))
            std::abort();
        const vinaxo::LookupRecording rec = vinaxo::MapCandidate(c, &disc);
        if (rec.tracks.size() != rec.times.size())
            std::abort();
        for (const QString& t : rec.times) {
            if (!t.isEmpty() && !vinaxo::IsValidTime(t))
                std::abort();
        }
        const QString year = vinaxo::YearOf(c.date);
        if (!year.isEmpty() && year.size() != 4)
            std::abort();
        (void)vinaxo::CandidateSummary(c);
    }
    return 0;
}
