// Writes a benchmark collection file: make_collection N OUT.DAT (N recordings of 12
// tracks, the benchmarks' texts), for whole-process measurements.
#include "BenchCollection.h"
#include "model/Utility.h"
#include "storage/FileCommands.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_collection N OUT.DAT\n");
        return 2;
    }
    vinaxo::bench::World w;
    vinaxo::bench::buildCollection(w.ws.entries, std::atoi(argv[1]), vinaxo::bench::texts(), true);
    vinaxo::LoadDefaultCategories(w.ws.entries);
    vinaxo::LoadDefaultMediums(w.ws.entries);
    vinaxo::EnsureStandardView(w.ws.entries);
    return vinaxo::SaveCollectionFile(w.ws, QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
