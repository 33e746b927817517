#pragma once
// The collection file: a 26-byte header and a stream of tagged elements (current
// release 301), files of release 150 converted on opening, older ones refused. One object
// serves one load or one save. The file is read whole and parsed in memory, and written
// into one buffer that replaces the old file only when complete.
#include "model/ElementIO.h"
#include "storage/ByteReader.h"
#include "storage/HandleFileError.h"
#include "storage/SharedTexts.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

namespace vinaxo {

class CEntries;
class CEntry;
class FileAccess;
class IBusyPointer;
class IProgress;
class Workspace;

class RecordingCopies;

// A copy of what a save writes, taken on the window's thread and written on another:
// the header, lists and views as bytes, and copies of the recordings (which the next
// snapshot may share: the writer only points them at itself while writing them).
struct CollectionSnapshot {
    QByteArray head;
    std::vector<std::shared_ptr<CEntry>> recordings;
};

class CFileIO final : public IElementIO {
public:
    // OpenCDFile's results.
    enum : qint16 {
        Loaded = -1,
        Refused = 0,           // release 120; its message has been shown
        FileSystemError = 1,   // LastError() tells which; the collection is untouched
        NotCollectionFile = 12,
        NotConverted = 14,     // the user declined to convert a release-150 file
    };
    static constexpr qsizetype HeaderSize = 26;
    static constexpr double CurrentRelease = 301.0;
    static constexpr double PreviousRelease = 150.0;
    static constexpr double OldestRelease = 120.0;

    // The collection is the workspace's; its settings and application-wide state are used
    // as loading requires. The busy pointer defaults to none.
    explicit CFileIO(Workspace& workspace, IBusyPointer* busy = nullptr);
    ~CFileIO() override;
    CFileIO(const CFileIO&) = delete;
    CFileIO& operator=(const CFileIO&) = delete;

    CEntries& Entries() const;
    QString FileName;
    // The release number of the header last read (0 before).
    double ReleaseID() const { return m_releaseId; }
    bool HeaderRead() const { return m_headerRead; }

    void setFileAccess(const FileAccess& access) { m_access = &access; }
    // Called now and then while loading, so that a window can let events run.
    void setProgress(IProgress* progress) { m_progress = progress; }

    // Loads FileName into the collection. The collection is replaced only once the file
    // is known to be one that loads (release 301, or 150 with the conversion accepted);
    // for every other result it is left as it was.
    qint16 OpenCDFile();
    // The same from the file's bytes already in memory.
    qint16 OpenCDBytes(QByteArray bytes);

    // Writes the collection to FileName; on failure the old file is unchanged, DBChanged
    // stays as it was and LastError() tells the cause.
    bool SaveFiles();
    // The whole file the collection makes.
    QByteArray SaveToBytes();
    // The same in two steps: a copy taken quickly, then its bytes made on any thread
    // (the workspace only lends its file settings; the collection is not read). With
    // `copies`, recordings unchanged since their kept copies are not copied again.
    CollectionSnapshot TakeSnapshot(RecordingCopies* copies = nullptr);
    static QByteArray SnapshotBytes(Workspace& ws, const CollectionSnapshot& snapshot);

    const FileError& LastError() const { return m_error; }
    // The last load met a recording or view it could not read whole (and said so).
    bool Damaged() const { return m_damaged; }

    // Release-150 medium letters: "C" -> "CD", "T" -> "Cassette", "R" -> "LP Album",
    // "D" -> "DAT", "O" -> "Other", anything else "" (case-sensitive).
    static QString ConvertMediumCodeToDesg(const QString& code);

    // The element stream.
    void WriteElement(int code, const ElementValue& value) override;
    int ReadElementType() override;
    bool ReadStringElement(QString& value) override;
    bool ReadSharedStringElement(QString& value, bool& repeated) override;
    using IElementIO::ReadSharedStringElement;
    bool GivesTextBytes() const override { return true; }
    void WriteTextBytes(int code, QByteArrayView bytes) override;
    bool ReadTextBytes(const char*& bytes, qsizetype& length) override;
    bool ReadIntegerElement(qint16& value) override;
    bool ReadCurrencyElement(Currency& value) override;
    bool ReadDateElement(OleDate& value) override;

    // The longest text an element can hold, in bytes; longer texts are cut.
    static constexpr qsizetype MaxTextBytes = 32767;

private:
    qint16 load(QByteArray bytes);
    void readElementStream();
    // Gives the pages of the input already parsed back to the system.
    void releaseParsedInput();
    void finishLoad(bool converted);
    // The next n bytes of the output, to be filled in.
    char* grow(qsizetype n)
    {
        if (m_used + n > m_out.size())
            enlarge(n);
        char* p = m_out.data() + m_used;
        m_used += n;
        return p;
    }
    void enlarge(qsizetype n);
    void saveRecording(CEntry& entry);
    // The header with the lists and views.
    QByteArray saveHead();
    QByteArray saveBytes(const QByteArray& head, const std::vector<CEntry*>& recordings);
    template <class T>
    void put(T value);

    Workspace& m_ws;
    IBusyPointer* m_busy;
    const FileAccess* m_access;
    IProgress* m_progress = nullptr;

    QByteArray m_in;
    ByteReader m_reader;
    // Whether the input is this object's alone (read from the file here), and how far
    // its pages have been released.
    bool m_inputOwned = false;
    quintptr m_releasedTo = 0;
    SharedTexts m_shared; // texts that repeat, decoded once
    int m_code = -1;      // the element code read last
    QByteArray m_out;
    qsizetype m_used = 0; // bytes of m_out filled

    double m_releaseId = 0.0;
    qint16 m_leadingCategories = 0;
    bool m_headerRead = false;
    bool m_damaged = false;
    FileError m_error;
};

} // namespace vinaxo
