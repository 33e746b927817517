#include "model/CEntry.h"
#include "model/CEntries.h"
#include "model/TimeText.h"
#include "platform/IFormats.h"
#include "platform/IMessageService.h"
#include "platform/NumericText.h"

#include <QCoreApplication>
#include <string>

namespace vinaxo {

QString InvalidTimeText()
{
    return QCoreApplication::translate("CEntry",
                                       "Must be a valid time in the format of 'MM:SS'.  "
                                       "Minutes must be less than 999 and seconds must be 59 or less.");
}

namespace {
QString rightTrimmed(QString s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1).isSpace())
        --n;
    s.truncate(n);
    return s;
}

void report(IMessageService* messages, const QString& text, const QString& title)
{
    if (messages)
        messages->show(text, title, MsgIcon::Critical, MsgButtons::OK);
}
}

CEntries* CTrackEntry::Entries() const { return Entry ? Entry->Entries : nullptr; }
IElementIO* CTrackEntry::FileIO() const { return Entry ? Entry->FileIO : nullptr; }

bool CTrackEntry::setCDTrackTimeStr(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        CDTrackTime.clear();
        return true;
    }
    if (IsValidTime(t)) {
        CDTrackTime = t;
        return true;
    }
    report(Entries() ? &Entries()->messages() : nullptr, InvalidTimeText(),
           QCoreApplication::translate("CEntry", "Invalid Track Time"));
    return false;
}

CEntry::CEntry(CEntries* owner) : Entries(owner) {}

CEntry::~CEntry() = default;

IMessageService* CEntry::messages() const { return Entries ? &Entries->messages() : nullptr; }
const IFormats* CEntry::formats() const { return Entries ? &Entries->formats() : nullptr; }

QString CEntry::FormattedCDRelYear() const
{
    if (CDRelYear == 0)
        return {};
    if (CDRelYear < 0)
        return u'-' + QString::number(-qint32(CDRelYear)).rightJustified(4, u'0');
    return QString::number(CDRelYear).rightJustified(4, u'0');
}

QString CEntry::FormattedCDPurchDate() const
{
    if (!CDPurchDate || !formats())
        return {};
    return rightTrimmed(formats()->shortDate(CDPurchDate->date()));
}

QString CEntry::FormattedCDPurchaseCost() const
{
    if (!formats())
        return CDPurchCost.toFixedText(2);
    return rightTrimmed(formats()->currency(CDPurchCost));
}

void CEntry::setCDRelYearStr(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        CDRelYear = 0;
        return;
    }
    const auto n = ParseNumber(t);
    if (!n)
        return; // not a number at all: the year is left as it was
    const auto year = ToInt32(*n);
    if (year && *year > 1900 && *year < 2500) {
        CDRelYear = static_cast<qint16>(*year);
        return;
    }
    const QDate today = formats() ? formats()->today() : QDate::currentDate();
    CDRelYear = static_cast<qint16>(today.year());
}

bool CEntry::setCDTotalTimeStr(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        CDTotalTime.clear();
        return true;
    }
    if (IsValidTime(t)) {
        CDTotalTime = t;
        return true;
    }
    report(messages(), InvalidTimeText(), QCoreApplication::translate("CEntry", "Invalid Total Time"));
    return false;
}

bool CEntry::setCDPurchDateStr(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        CDPurchDate.reset();
        return true;
    }
    if (const IFormats* f = formats()) {
        if (const auto d = f->parseDate(t)) {
            CDPurchDate = OleDate::fromDate(*d);
            return true;
        }
    }
    report(messages(),
           QCoreApplication::translate("CEntry", "Purchase date is not a valid date - please correct and try again."),
           QCoreApplication::translate("CEntry", "Invalid Purchase Date"));
    return false;
}

bool CEntry::setCDPurchCostStr(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        CDPurchCost = Currency{};
        return true;
    }
    if (const IFormats* f = formats()) {
        if (const auto c = f->parseCurrency(t)) {
            CDPurchCost = *c;
            return true;
        }
    }
    report(messages(),
           QCoreApplication::translate("CEntry",
                                       "Purchase cost is not a valid currency value - please correct and try again."),
           QCoreApplication::translate("CEntry", "Invalid Purchase Cost"));
    return false;
}

void CEntry::ClearAllEntries()
{
    m_tracks.clear();
    m_nextTrackKey = 0;
}

namespace {
// Every text field a copy carries: Clone copies them and SameAs compares them.
constexpr QString CEntry::*kCopiedTexts[] = {
    &CEntry::CDKey, &CEntry::CDTitle, &CEntry::CDArtist, &CEntry::CDDesc, &CEntry::CDCategory,
    &CEntry::CDLabel, &CEntry::CDCatnbr, &CEntry::CDMedium, &CEntry::CDComposer,
    &CEntry::CDConductor, &CEntry::CDLocation, &CEntry::CDCollNbr, &CEntry::CDMiscKey1,
    &CEntry::CDMiscKey2, &CEntry::CDMiscKey3, &CEntry::CDTotalTime, &CEntry::CDAwards,
    &CEntry::CDComments,
};
}

std::unique_ptr<CEntry> CEntry::Clone() const
{
    auto c = std::make_unique<CEntry>(Entries);
    for (QString CEntry::*field : kCopiedTexts)
        (*c).*field = this->*field;
    scalars(*c) = scalars(*this);
    c->FileIO = FileIO;
    // A packed list stays packed: its block shared, the original left as it is.
    c->m_tracks.copyFrom(m_tracks, c.get());
    return c;
}

bool CEntry::SameAs(const CEntry& copy) const
{
    for (QString CEntry::*field : kCopiedTexts) {
        if (!SharedText(this->*field, copy.*field))
            return false;
    }
    return scalars(*this) == scalars(copy) && m_tracks.sameAs(copy.m_tracks);
}

CTrackEntry* CEntry::AddNewTrackEntry()
{
    ++m_nextTrackKey;
    CTrackEntry& track = m_tracks.append(KeyText(m_nextTrackKey)); // keys come from a counter
    track.Entry = this;
    return &track;
}

void CEntry::AddTracks(const CTrackEntry* tracks, qsizetype count)
{
    if (count <= 0)
        return;
    if (m_tracks.isEmpty()) {
        static thread_local std::string bytes;
        bytes.clear();
        qsizetype packed = 0;
        while (packed < count && TrackList::appendPacked(tracks[packed], bytes))
            ++packed;
        if (packed == count) {
            m_tracks.adoptPacked(this, m_nextTrackKey + 1, count, count - 1, bytes.data(),
                                 qsizetype(bytes.size()));
            m_nextTrackKey += qint32(count);
            return;
        }
    }
    for (qsizetype i = 0; i < count; ++i) {
        CTrackEntry* t = AddNewTrackEntry();
        t->CDTrackTitle = tracks[i].CDTrackTitle;
        t->CDTrackTime = tracks[i].CDTrackTime;
        t->CDTrackDesc = tracks[i].CDTrackDesc;
        t->CDTrackArtists = tracks[i].CDTrackArtists;
    }
}

bool CEntry::LocateTrackByKey(const QString& key)
{
    if (const TrackRef* t = m_tracks.find(key)) {
        m_tracks.setCurrent(t->get());
        return true;
    }
    if (auto* m = messages()) {
        m->show(QCoreApplication::translate("CEntry", "Selected track was not found.  Key is %1").arg(key),
                QCoreApplication::translate("CEntry", "Error"), MsgIcon::None, MsgButtons::OK);
    }
    return false;
}

bool CEntry::HasColumnData(int key)
{
    return (key >= 101 && key <= 123 && key != 110) || key == 127 || key == 128;
}

QString CEntry::GetDataForColumn(const QString& key) const
{
    const auto n = ParseNumber(key);
    const auto k = n ? ToInt32(*n) : std::nullopt;
    return GetDataForColumn(k.value_or(0));
}

QString CEntry::GetDataForColumn(int key) const
{
    switch (key) {
    case Field::Artist: return CDArtist;
    case Field::Awards: return CDAwards;
    case Field::Category: return CDCategory;
    case Field::Catnbr: return CDCatnbr;
    case Field::CollNbr: return CDCollNbr;
    case Field::Comments: return CDComments;
    case Field::Composer: return CDComposer;
    case Field::Conductor: return CDConductor;
    case Field::Desc: return CDDesc;
    case Field::Label: return CDLabel;
    case Field::Location: return CDLocation;
    case Field::Medium: return CDMedium;
    case Field::MiscKey1: return CDMiscKey1;
    case Field::MiscKey2: return CDMiscKey2;
    case Field::MiscKey3: return CDMiscKey3;
    case Field::NbrDisks: return QString::number(CDNbrDisks);
    case Field::NbrTracks: return QString::number(CDNbrTracks);
    case Field::PurchCost: return FormattedCDPurchaseCost();
    case Field::PurchDate: return FormattedCDPurchDate();
    case Field::RatePerform: return QString::number(CDRatePerform);
    case Field::RateSound: return QString::number(CDRateSound);
    case Field::RelYear: return FormattedCDRelYear();
    case Field::Title: return CDTitle;
    case Field::TotalTime: return CDTotalTime;
    default:
        break;
    }
    if (auto* m = messages()) {
        m->show(QCoreApplication::translate("CEntry", "Unknown data type CEntry.GetDataForColumn."),
                QCoreApplication::translate("CEntry", "Error in element alignment"), MsgIcon::Critical,
                MsgButtons::OK);
    }
    return {};
}

} // namespace vinaxo
