#pragma once
// A collection, a view and a recording printer for report tests. Heading font 12 point,
// detail font 10 point: with the recording surface a detail character is 100 twips wide
// and a detail line 240 high; a heading character 120 wide, a heading line 288 high.
#include "RecordingSurface.h"
#include "model/ListOrder.h"
#include "print/CPrinter.h"
#include "support/TestWorld.h"

namespace vinaxo::test {

struct PrintFixture {
    TestWorld w;
    RecordingSurface surface;
    ReportFonts fonts{ReportFont{QStringLiteral("Head"), 12}, ReportFont{QStringLiteral("Detail"), 10}};
    std::unique_ptr<CPrinter> printer;

    PrintFixture()
    {
        printer = std::make_unique<CPrinter>(w.entries(), surface, fixedFormats(), fixedToday(), fonts);
        printer->setPrinterWidth(CPrinter::UsableWidth(surface, 1)); // 11832
    }

    // A view of (key, width) columns, made current, and recordings with these titles.
    CView* view(std::initializer_list<std::pair<int, int>> columns, const QStringList& titles = {})
    {
        for (const QString& t : titles)
            add(t);
        w.entries().AddNewView(QStringLiteral("Report"));
        w.entries().LocateViewByName(QStringLiteral("Report"));
        CView* v = w.entries().CurrView();
        for (auto [key, width] : columns)
            v->AddNewColumn(key)->ColumnWidth = qint16(width);
        return v;
    }

    CEntry* add(const QString& title)
    {
        CEntry* e = w.entries().AddNewEntry();
        e->CDTitle = title;
        return e;
    }

    // The key sequence in collection order, as the unsorted main list would give it.
    void sequenceAll() { RebuildSequence(w.sequence(), ListOrder(w.entries(), {})); }

    // The view report over every recording in collection order.
    bool printAll()
    {
        sequenceAll();
        return printer->PrintCustomList();
    }

    // Rows "Row 1" .. "Row n".
    static QStringList rows(int n)
    {
        QStringList v;
        for (int i = 1; i <= n; ++i)
            v << QStringLiteral("Row %1").arg(i);
        return v;
    }
};

} // namespace vinaxo::test
