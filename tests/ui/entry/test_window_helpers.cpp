// The helpers every window can use: capped text boxes, eliding labels, stored sizes.
#include "ui/common/ElidingLabel.h"
#include "ui/common/TextLimit.h"
#include "ui/common/WindowGeometry.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <gtest/gtest.h>

using namespace vinaxo;

TEST(CutForLimit, TheExcessGoesJustBeforeTheInsertEnd)
{
    struct Case {
        QString text;
        qsizetype insertEnd, limit, from, count;
    };
    const QString face = QString::fromUtf8("ab\xF0\x9F\x98\x80"); // "ab" and a surrogate pair
    const Case cases[] = {
        {"abcdef", 6, 4, 4, 2}, // appended: the end goes
        {"abXYZcd", 5, 5, 3, 2}, // inserted in the middle: the text after it stays
        {"abc", 3, 5, 0, 0},     // fits
        {"ab", 0, 1, 0, 1},      // an end before the excess: the start goes
        {face, 4, 3, 2, 2},      // a pair goes whole
    };
    for (const Case& c : cases) {
        const TextCut cut = CutForLimit(c.text, c.insertEnd, c.limit);
        EXPECT_EQ(cut.from, c.from) << c.text.toStdString();
        EXPECT_EQ(cut.count, c.count) << c.text.toStdString();
    }
}

TEST(TextLimit, LineEditKeepsTheTextAroundACutPaste)
{
    QLineEdit box;
    QStringList notices;
    TextLimit* limit = TextLimit::cap(&box, 12, "Title", [&](const QString& n) { notices << n; });
    box.setText("start end");
    EXPECT_TRUE(notices.isEmpty());
    box.setCursorPosition(6);
    box.insert("0123456789");
    EXPECT_EQ(box.text(), "start 012end");
    box.insert("x"); // full: nothing goes in
    EXPECT_EQ(box.text(), "start 012end");
    EXPECT_EQ(notices, QStringList(2, TextLimit::noticeText("Title", 12)));
    EXPECT_EQ(limit->cuts(), 2);
}

TEST(TextLimit, PlainTextEditKeepsTheTextAroundACutPaste)
{
    QPlainTextEdit box;
    QStringList notices;
    TextLimit::cap(&box, 12, "Comments", [&](const QString& n) { notices << n; });
    box.setPlainText("start\nend");
    QTextCursor at = box.textCursor();
    at.setPosition(6);
    box.setTextCursor(at);
    box.insertPlainText("0123456789");
    EXPECT_EQ(box.toPlainText(), "start\n012end");
    EXPECT_EQ(notices.size(), 1);
    box.undo(); // nothing to undo: the long text never comes back
    EXPECT_EQ(box.toPlainText(), "start\n012end");
    box.setPlainText(QString(20, u'z')); // a text set by the program is cut too
    EXPECT_EQ(box.toPlainText(), QString(12, u'z'));
    EXPECT_EQ(notices.size(), 2);
}

TEST(ElidingLabel, NeverAsksForTheWidthOfItsText)
{
    ElidingLabel label;
    label.setText(QString(10000, u'x') + "\nsecond line");
    EXPECT_LT(label.sizeHint().width(), 400);
    EXPECT_LT(label.minimumSizeHint().width(), 20);
    EXPECT_EQ(label.text().size(), 10012); // the whole text stays readable
    label.resize(120, label.sizeHint().height());
    EXPECT_TRUE(label.shownText().endsWith(QChar(0x2026)));
    EXPECT_LE(label.fontMetrics().horizontalAdvance(label.shownText()), 120);
}

TEST(WindowGeometry, AStoredSizeIsRestoredOnlyWhenItFits)
{
    const QRect screen(0, 0, 1024, 768);
    EXPECT_TRUE(SizeFitsScreen({1024, 768}, screen));
    EXPECT_FALSE(SizeFitsScreen({32767, 560}, screen));
    EXPECT_FALSE(SizeFitsScreen({800, 769}, screen));
    EXPECT_FALSE(SizeFitsScreen({}, screen));
    EXPECT_TRUE(SizeFitsScreen({800, 600}, {})); // no screen known: any size

    QWidget window;
    window.resize(300, 200);
    const QRect available = AvailableScreenArea(window);
    EXPECT_FALSE(RestoreWindowSize(window, available.size() + QSize(1, 0)));
    EXPECT_EQ(window.size(), QSize(300, 200));
    EXPECT_TRUE(RestoreWindowSize(window, {320, 240}));
    EXPECT_EQ(window.size(), QSize(320, 240));
}

TEST(WindowGeometry, AStoredGeometryIsRestoredOnlyWhenItFits)
{
    QWidget wide, small, window;
    wide.resize(AvailableScreenArea(wide).width() + 100, 300);
    small.resize(330, 250);
    EXPECT_EQ(StoredGeometrySize(small.saveGeometry()), QSize(330, 250));
    EXPECT_FALSE(StoredGeometrySize("no geometry").isValid());
    window.resize(300, 200);
    EXPECT_FALSE(RestoreWindowGeometry(window, wide.saveGeometry()));
    EXPECT_FALSE(RestoreWindowGeometry(window, "no geometry"));
    EXPECT_EQ(window.size(), QSize(300, 200));
    EXPECT_TRUE(RestoreWindowGeometry(window, small.saveGeometry()));
    EXPECT_EQ(window.size(), QSize(330, 250));
}
