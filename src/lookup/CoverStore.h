#pragma once
// Pictures of recordings, kept beside the collection in a folder named after its file
// (NAME.covers/<recording key>.jpg or .png) so that the collection file itself never
// changes. Every operation is quiet: a picture that cannot be read or written is simply
// not there.
#include <QByteArray>
#include <QString>
#include <functional>

namespace vinaxo {

class PendingCovers;

class CoverStore {
public:
    // The store of the collection at collectionFile; empty (nothing stored) for a
    // collection that has no file yet.
    explicit CoverStore(const QString& collectionFile);

    static QString FolderFor(const QString& collectionFile);
    bool isValid() const { return !m_folder.isEmpty(); }
    QString folder() const { return m_folder; }

    // The picture file of a recording, or empty when it has none.
    QString find(const QString& key) const;
    // Stores image bytes for key (a JPEG or PNG, told by its first bytes, not by the mime
    // type the server claims); any earlier picture of key goes. False when the bytes are
    // neither or the file cannot be written.
    bool store(const QString& key, const QByteArray& image);
    // Copies a picture file (JPEG or PNG) as the picture of key.
    bool storeFile(const QString& key, const QString& path);
    // Removes the picture of key; true when none is left.
    bool remove(const QString& key);
    // Copies every picture to the store of another collection file (Save As); the number
    // copied.
    int copyTo(const QString& otherCollectionFile) const;

    // The bytes of a picture file the user chose: empty when it cannot be read, is too
    // large, or is neither JPEG nor PNG.
    static QByteArray ReadImageFile(const QString& path);
    // "jpg", "png", or empty for anything else.
    static QString ImageSuffix(const QByteArray& head);

private:
    static bool safeKey(const QString& key);

    QString m_folder;
};

// The main window's file commands call these: a deleted recording loses its picture,
// Save As takes the pictures along.
void RemoveCoverOf(const QString& collectionFile, const QString& key);
void CopyCovers(const QString& fromFile, const QString& toFile);

// After the collection was saved (from its old file name, to path): the pictures follow a
// Save As, those of recordings no longer in the collection go, and the pending changes
// are placed (those that could not be written stay pending for the next save). Done at
// saving, not at deleting, so that a deletion the user does not save keeps its picture.
// The number of changes still pending.
int SaveCovers(const QString& fromFile, const QString& toFile, const std::function<bool(const QString&)>& exists,
                PendingCovers* pending = nullptr);

} // namespace vinaxo
