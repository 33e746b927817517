#pragma once
// The example collection shipped with the program: about fifty invented recordings on
// every kind of medium, with tracks, categories, mediums and two views. Built the same
// way every time, so the committed sample.DAT can be checked against it.
#include <QByteArray>
#include <QStringList>

namespace vinaxo {

class CEntries;

// Fills an empty collection with the example recordings, lists and views.
void buildSampleCollection(CEntries& entries);

// The example collection as the bytes of a collection file. Empty when building it
// showed a message (its texts go to `problems`).
QByteArray sampleCollectionBytes(QStringList* problems = nullptr);

} // namespace vinaxo
