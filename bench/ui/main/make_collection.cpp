// Writes a benchmark collection file: make_collection N OUT.DAT [--sorting] (N recordings
// of 12 tracks, the benchmarks' texts), for whole-process measurements; --sorting gives
// the artists accents and the recordings total times, to look at the list's sorting.
#include "BenchCollection.h"
#include "model/Utility.h"
#include "storage/FileCommands.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bool sorting = argc == 4 && std::strcmp(argv[3], "--sorting") == 0;
    if (argc != 3 && !sorting) {
        std::fprintf(stderr, "usage: make_collection N OUT.DAT [--sorting]\n");
        return 2;
    }
    vinaxo::bench::World w;
    vinaxo::bench::buildCollection(w.ws.entries, std::atoi(argv[1]), vinaxo::bench::texts(), true);
    if (sorting)
        vinaxo::bench::varyForSorting(w.ws.entries);
    vinaxo::LoadDefaultCategories(w.ws.entries);
    vinaxo::LoadDefaultMediums(w.ws.entries);
    vinaxo::EnsureStandardView(w.ws.entries);
    if (sorting)
        w.ws.entries.CurrView()->AddNewColumn(vinaxo::Field::TotalTime);
    return vinaxo::SaveCollectionFile(w.ws, QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
