#pragma once
// Routines that fill a collection with its defaults, and small shared helpers.
#include <QString>
#include <QStringList>

namespace vinaxo {

class CEntries;

void LoadDefaultCategories(CEntries& entries);
void LoadDefaultMediums(CEntries& entries);
// "C" -> "Comp Disc", "T" -> "Cassette", "R" -> "LP", "D" -> "DAT", "O" -> "Other";
// anything else is returned unchanged.
QString ConvertMediumCode(const QString& code);
// Gives a collection without views the "Standard View" (Artist, Title, Category).
void EnsureStandardView(CEntries& entries);
// Every view's name in view order (what a view drop-down list shows).
QStringList ViewNameList(const CEntries& entries);

} // namespace vinaxo
