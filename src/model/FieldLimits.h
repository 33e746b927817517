#pragma once
// How many characters a field's text can have. A text element of the collection file
// carries a signed 16-bit byte count and one byte per character, so a text field holds
// at most 32,767 characters; the fields the editor shows as formatted numbers, dates and
// times take only as many as their form needs.
#include "model/CEntry.h"

namespace vinaxo {

inline constexpr int MaxStoredTextLength = 32767;

// The most characters a text box for this field takes (field numbers as in Field::);
// 0 for a number that names no field.
constexpr int FieldTextLimit(int field)
{
    switch (field) {
    case Field::NbrDisks: return 2;
    case Field::NbrTracks: return 3;
    case Field::RateSound:
    case Field::RatePerform: return 2;
    case Field::RelYear: return 4;
    case Field::PurchDate:
    case Field::PurchCost: return 12;
    case Field::TotalTime:
    case Field::TrackTime: return 6;
    case 110:
    case Field::SongsDescLength:
    case Field::SongsLength:
    case Field::SongsTimeLength: return 0;
    }
    const bool recording = field >= Field::Artist && field <= Field::TotalTime;
    const bool track = field >= Field::TrackTitle && field <= Field::TrackArtists;
    return recording || track ? MaxStoredTextLength : 0;
}

} // namespace vinaxo
