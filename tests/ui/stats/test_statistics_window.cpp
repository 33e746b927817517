// The statistics window on a small known collection: the numbers it shows, the listed
// recordings only, counting again when the collection changed, the export of the chart,
// and its command in the main window.
#include "support/UiWorld.h"
#include "ui/main/frmCDMLIST.h"
#include "ui/stats/frmStatistics.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtCharts/QChartView>
#include <gtest/gtest.h>

using namespace vinaxo;
using test::child;
using test::shot;

namespace {

struct StatsWindow : ::testing::Test {
    test::UiWorld w;
    std::unique_ptr<frmStatistics> window;

    // Rock 1969 bought 2019 for 12.99; Jazz 1979 bought 2021 for 20.00 (tracks only, no
    // total time); Rock without a year or a date for 5.00.
    void SetUp() override
    {
        add("Rock", "CD", "Columbia", "Miles Davis", 1969, QDate(2019, 3, 1), 1299, "45:00", 2);
        add("Jazz", "LP Album", "Blue Note", "Art Blakey", 1979, QDate(2021, 6, 15), 2000, "", 3);
        add("rock", "CD", "Columbia", "Miles Davis", 0, QDate(), 500, "10:30", 0);
    }
    CEntry* add(const char* category, const char* medium, const char* label, const char* artist, int year,
                QDate bought, qint64 cents, const char* total, int tracks)
    {
        CEntry* e = w.addRecording(QStringLiteral("A title"), artist, tracks);
        e->CDCategory = category;
        e->CDMedium = medium;
        e->CDLabel = label;
        e->CDRelYear = qint16(year);
        if (bought.isValid())
            e->CDPurchDate = OleDate::fromDate(bought);
        e->CDPurchCost = Currency{cents * 100};
        e->CDTotalTime = total;
        return e;
    }
    void open()
    {
        window = std::make_unique<frmStatistics>(w.context);
        QSignalSpy shown(window.get(), &frmStatistics::statisticsShown);
        window->show();
        ASSERT_TRUE(shown.wait(5000));
    }
    // Waits for the count that the last action started.
    void waitShown()
    {
        QSignalSpy shown(window.get(), &frmStatistics::statisticsShown);
        ASSERT_TRUE(shown.wait(5000));
    }
    void activate()
    {
        QEvent e(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &e);
    }
    template <class W>
    W* get(const char* name) { return child<W>(window.get(), name); }
    QString text(const char* label) { return get<QLabel>(label)->text(); }
    QStringList figures()
    {
        QStringList rows;
        QTreeWidget* list = get<QTreeWidget>("lvFigures");
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = list->topLevelItem(i);
            QString row = item->text(0) + u' ' + item->text(1);
            if (!list->isColumnHidden(2))
                row += u' ' + item->text(2);
            rows << row;
        }
        return rows;
    }
    void choose(StatisticsChart chart)
    {
        QComboBox* box = get<QComboBox>("cmbChart");
        box->setCurrentIndex(box->findData(int(chart)));
    }
    QString exportTo(const QString& name)
    {
        const QString path = w.dir.filePath(name);
        w.dialogs.choose(path);
        get<QPushButton>("cmdExport")->click();
        return path;
    }
};

} // namespace

TEST_F(StatsWindow, ShowsTheTotals)
{
    open();
    EXPECT_EQ(text("lblTotalRecordings"), "3");
    EXPECT_EQ(text("lblTotalTracks"), "5");
    EXPECT_EQ(text("lblTotalTime"), "1 hour, 5 minutes"); // 45:00 + 3 x 3:00 + 10:30
    EXPECT_EQ(text("lblTotalCost"), "$37.99");
    EXPECT_TRUE(text("lblStatus").isEmpty());
}

struct ChartCase {
    StatisticsChart chart;
    QStringList rows;
    bool pie;
};
class StatsCharts : public StatsWindow, public ::testing::WithParamInterface<ChartCase> {};

TEST_P(StatsCharts, ShowsTheFiguresOfEachChart)
{
    open();
    choose(GetParam().chart);
    EXPECT_EQ(figures(), GetParam().rows);
    EXPECT_EQ(get<QComboBox>("cmbStyle")->isEnabled(), GetParam().pie);
    shot(window.get(), QStringLiteral("statistics-%1.png").arg(int(GetParam().chart)));
}

INSTANTIATE_TEST_SUITE_P(
    Statistics, StatsCharts,
    // The counts are the model's; the window shows a pie's figures and the cost column.
    ::testing::Values(ChartCase{StatisticsChart::Categories, {"Rock 2", "Jazz 1"}, true},
                      ChartCase{StatisticsChart::Purchases,
                                {"2019 1 $12.99", "2021 1 $20.00", "(no date) 1 $5.00"}, false}));

// On a dark palette the chart is no white card: its background is dark as well.
TEST_F(StatsWindow, ChartFollowsADarkPalette)
{
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark);
        const QPalette saved = QApplication::palette();
        QPalette p = saved;
        if (dark)
            p.setColor(QPalette::Window, QColor(40, 40, 40));
        QApplication::setPalette(p);
        window.reset();
        open();
        QApplication::setPalette(saved);
        const QImage chart = get<QChartView>("chartView")->grab().toImage();
        qint64 sum = 0;
        for (int y = 0; y < chart.height(); ++y)
            for (int x = 0; x < chart.width(); ++x)
                sum += chart.pixelColor(x, y).lightness();
        const qint64 mean = sum / qMax(1, chart.width() * chart.height());
        EXPECT_EQ(mean < 128, dark) << "mean lightness " << mean;
    }
}

TEST_F(StatsWindow, OnlyTheListedRecordings)
{
    open();
    // The main list shows the second recording only.
    w.sequence().setCount(1);
    w.sequence().Add(QStringLiteral("2"));
    get<QCheckBox>("chkListedOnly")->setChecked(true);
    waitShown();
    EXPECT_EQ(text("lblTotalRecordings"), "1");
    EXPECT_EQ(text("lblTotalCost"), "$20.00");
    get<QCheckBox>("chkListedOnly")->setChecked(false);
    waitShown();
    EXPECT_EQ(text("lblTotalRecordings"), "3");
}

TEST_F(StatsWindow, CountsAgainOnActivationWhenTheCollectionChanged)
{
    open();
    activate();
    EXPECT_FALSE(window->isCounting()); // nothing changed: nothing to count
    add("Jazz", "CD", "Impulse", "John Coltrane", 1965, QDate(2020, 1, 1), 1000, "40:00", 0);
    activate();
    EXPECT_TRUE(window->isCounting());
    waitShown();
    EXPECT_EQ(text("lblTotalRecordings"), "4");
    EXPECT_EQ(text("lblTotalCost"), "$47.99");
    // Refresh counts again at any time.
    get<QPushButton>("cmdRefresh")->click();
    EXPECT_TRUE(window->isCounting());
    waitShown();
}

TEST_F(StatsWindow, ExportsTheChartAsPngAndSvg)
{
    open();
    const QString png = exportTo(QStringLiteral("chart.png"));
    QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 100);

    choose(StatisticsChart::Purchases);
    const QByteArray drawing = test::readFile(exportTo(QStringLiteral("chart.SVG")));
    EXPECT_TRUE(drawing.contains("<svg"));
    EXPECT_TRUE(drawing.contains("Purchases per year"));

    // Without a known ending the picture is a PNG.
    exportTo(QStringLiteral("chart"));
    EXPECT_FALSE(QImage(w.dir.filePath(QStringLiteral("chart.png"))).isNull());
    EXPECT_EQ(w.dialogs.calls().back().request.filters,
              (QStringList{"PNG Images (*.png)", "SVG Drawings (*.svg)"}));
}

TEST_F(StatsWindow, ExportAsksBeforeReplacingAFile)
{
    open();
    const QString path = w.dir.filePath(QStringLiteral("old.png"));
    test::writeFile(path, "old");
    w.messages.answer(MsgAnswer::No);
    exportTo(QStringLiteral("old.png"));
    ASSERT_EQ(w.messages.count(), 1u);
    EXPECT_EQ(w.messages.last().title, "Confirm File Replace");
    EXPECT_EQ(QFileInfo(path).size(), 3);
}

TEST_F(StatsWindow, ExportThatCannotWriteSaysSoAndACancelledOneWritesNothing)
{
    open();
    exportTo(QStringLiteral("no/such/folder/chart.svg"));
    ASSERT_EQ(w.messages.count(), 1u);
    EXPECT_EQ(w.messages.last().title, "Export Chart");
    EXPECT_TRUE(w.messages.last().text.startsWith("The chart could not be written to "));
    w.dialogs.cancel();
    get<QPushButton>("cmdExport")->click();
    EXPECT_EQ(w.messages.count(), 1u);
    EXPECT_TRUE(QDir(w.dir.path()).entryList({"*.png", "*.svg"}).isEmpty());
}

TEST_F(StatsWindow, MainWindowOpensOneStatisticsWindow)
{
    frmCDMLIST main(w.context);
    main.show();
    QAction* command = child<QAction>(&main, "MU_Options_Statistics");
    ASSERT_NE(command, nullptr);
    command->trigger();
    auto* stats = main.findChild<frmStatistics*>();
    ASSERT_NE(stats, nullptr);
    EXPECT_TRUE(stats->isVisible());
    stats->close();
    command->trigger();
    EXPECT_EQ(main.findChildren<frmStatistics*>().size(), 1);
    EXPECT_TRUE(stats->isVisible());
}
