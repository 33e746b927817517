// Writes the example collection to the file named on the command line.
#include "SampleCollection.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vinaxo_make_sample OUT.DAT\n");
        return 2;
    }
    QStringList problems;
    const QByteArray bytes = vinaxo::sampleCollectionBytes(&problems);
    if (bytes.isEmpty()) {
        for (const QString& p : problems)
            std::fprintf(stderr, "%s\n", qPrintable(p));
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %lld bytes\n", argv[1], static_cast<long long>(bytes.size()));
    return 0;
}
