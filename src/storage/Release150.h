#pragma once
// Files of the previous release (150): fixed-length records with two variant fields and
// "~"-separated track texts, converted into the collection when opened.
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace vinaxo {

class ByteReader;
class CEntries;
class IProgress;

// Reads the records after the header into `entries` (which the caller has emptied): the
// leading category records are skipped, the default categories and mediums added, one
// recording made per complete record, and a view ensured. Reading stops at the first
// record that is cut short or cannot be read.
void ConvertRelease150(CEntries& entries, ByteReader& reader, qint16 categoryRecords,
                       IProgress* progress = nullptr);

// The pieces of a track text: each runs up to the next "~", right-trimmed; text after
// the last "~" is no piece; at most `limit` pieces.
QStringList TrackTextPieces(QStringView text, int limit);

} // namespace vinaxo
