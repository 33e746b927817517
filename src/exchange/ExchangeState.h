#pragma once
// What the import/export window keeps for the whole program run, outside the window:
// the direction, the chosen files, the selected-field table with the definition file's
// header record, and whether the table changed since.
#include "exchange/ColTable.h"
#include "exchange/DefinitionFile.h"

#include <QFileInfo>
#include <QString>

namespace vinaxo::exchange {

struct ExchangeState {
    QChar direction = u'I'; // "I" import, "E" export
    QString dataFilePath, dataFileName;             // paths are kept whole
    QString definitionFilePath, definitionFileName;
    ColTable table;
    DefinitionHeader header; // reserved bytes of the definition read last, written back
    bool definitionChanged = false; // a field added or deleted since the last save or read

    void setDataFile(const QString& path)
    {
        dataFilePath = path;
        dataFileName = path.isEmpty() ? QString() : QFileInfo(path).fileName();
    }
    void setDefinitionFile(const QString& path)
    {
        definitionFilePath = path;
        definitionFileName = path.isEmpty() ? QString() : QFileInfo(path).fileName();
    }
};

} // namespace vinaxo::exchange
