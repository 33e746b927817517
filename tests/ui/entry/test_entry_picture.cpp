// The editor's picture area, offscreen: a stored picture shown and followed by Next and
// Prev, one set through the file dialog or a drop, removed, a broken file shown as none
// without a word, stale reads dropped, and the picture of a collection never saved placed
// by its first save.
#include "EntryTestSupport.h"
#include "lookup/CoverStore.h"
#include "ui/entry/CoverLoader.h"
#include "ui/entry/CoverPanel.h"
#include "ui/entry/frmEntryDetail.h"
#include "ui/main/MainController.h"
#include "ui/main/MainFileCommands.h"
#include "ui/main/MainListModel.h"
#include "ui/main/RecentFiles.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDropEvent>
#include <QTest>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QUrl>

using namespace vinaxo;
using test::child;

namespace {
QByteArray png(Qt::GlobalColor color, QSize size = {40, 30})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
const QByteArray kRed = png(Qt::red), kBlue = png(Qt::blue);

struct PictureTest : ::testing::Test {
    test::EntryWorld w;
    CEntry* alpha = w.addRecording("Alpha", "Ann");
    CEntry* bravo = w.addRecording("Bravo", "Bob");
    QString collection = w.dir.filePath(QStringLiteral("music.DAT"));
    std::unique_ptr<frmEntryDetail> win;

    void open(bool named = true)
    {
        if (named)
            w.ws->currentFileName = collection;
        w.sortByTitle();
        win = std::make_unique<frmEntryDetail>(w.context, nullptr);
        win->showEditor();
        settle();
    }
    void settle() { ASSERT_TRUE(QTest::qWaitFor([this] { return !win->cover().loader().pending(); })); }
    template <class T>
    T* c(const char* name) { return child<T>(win.get(), name); }
    void act(const char* name)
    {
        c<QAction>(name)->trigger();
        settle();
    }
    // The colour in the middle of the picture shown; Qt::transparent for none.
    QColor shown()
    {
        const QPixmap p = c<QLabel>("imgCover")->pixmap();
        return p.isNull() ? QColor(Qt::transparent) : p.toImage().pixelColor(p.width() / 2, p.height() / 2);
    }
    QString file(const char* name, const QByteArray& bytes)
    {
        const QString path = w.dir.filePath(QString::fromLatin1(name));
        test::writeFile(path, bytes);
        return path;
    }
    void drop(const QString& path)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QLabel* area = c<QLabel>("imgCover");
        QDragEnterEvent enter(area->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent dropped(area->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area, &dropped);
        settle();
    }
};
} // namespace

TEST_F(PictureTest, TheStoredPictureIsShownAndFollowsNextAndPrev)
{
    ASSERT_TRUE(CoverStore(collection).store(alpha->CDKey, kRed));
    open();
    EXPECT_EQ(shown(), QColor(Qt::red));
    EXPECT_TRUE(c<QPushButton>("cmdRemovePicture")->isEnabled());
    act("Next");
    EXPECT_EQ(shown(), QColor(Qt::transparent));
    EXPECT_EQ(c<QLabel>("imgCover")->text(), "No picture");
    EXPECT_FALSE(c<QPushButton>("cmdRemovePicture")->isEnabled());
    act("Prev");
    EXPECT_EQ(shown(), QColor(Qt::red));
    // Scaled to the area, never larger.
    EXPECT_LE(c<QLabel>("imgCover")->pixmap().deviceIndependentSize().width(), c<QLabel>("imgCover")->width());
}

TEST_F(PictureTest, ABrokenPictureFileShowsNoneWithoutAMessage)
{
    ASSERT_TRUE(CoverStore(collection).store(alpha->CDKey, QByteArray("\xFF\xD8\xFF-not-really-a-jpeg")));
    open();
    EXPECT_EQ(shown(), QColor(Qt::transparent));
    EXPECT_EQ(c<QLabel>("imgCover")->text(), "No picture");
    EXPECT_TRUE(c<QPushButton>("cmdRemovePicture")->isEnabled()); // a broken file can still go
    EXPECT_EQ(w.messages.count(), 0u);
}

// Set through the dialog, replaced by a drop, then removed: each an edit posted with the
// recording and kept pending until the collection is saved.
TEST_F(PictureTest, SetDropAndRemoveAreEditsPlacedWhenTheCollectionIsSaved)
{
    ASSERT_TRUE(CoverStore(collection).store(alpha->CDKey, kRed));
    open();
    w.dialogs.choose(file("not-a-picture.png", "plain text"));
    c<QPushButton>("cmdPicture")->click();
    EXPECT_EQ(shown(), QColor(Qt::red));
    EXPECT_FALSE(c<QAction>("Post")->isEnabled());
    EXPECT_TRUE(c<QStatusBar>("sbStatusBar")->currentMessage().contains("not a JPEG or PNG"));
    EXPECT_EQ(w.messages.count(), 0u);

    w.dialogs.choose(file("blue.png", kBlue));
    c<QPushButton>("cmdPicture")->click();
    settle();
    ASSERT_EQ(w.dialogs.calls().size(), 2u);
    EXPECT_TRUE(w.dialogs.calls().back().request.filters.first().contains("*.png"));
    EXPECT_EQ(shown(), QColor(Qt::blue));
    EXPECT_TRUE(c<QAction>("Post")->isEnabled());
    act("Post");
    EXPECT_EQ(w.ws->pendingCovers.find(alpha->CDKey), kBlue);
    EXPECT_EQ(test::readFile(CoverStore(collection).find(alpha->CDKey)), kRed); // not before the collection is saved

    act("Next");
    drop(file("red.png", kRed));
    EXPECT_EQ(shown(), QColor(Qt::red));
    act("Prev"); // saves Bravo's picture on the way
    EXPECT_EQ(shown(), QColor(Qt::blue));
    EXPECT_EQ(w.ws->pendingCovers.find(bravo->CDKey), kRed);

    c<QPushButton>("cmdRemovePicture")->click();
    settle();
    EXPECT_EQ(shown(), QColor(Qt::transparent));
    EXPECT_FALSE(c<QPushButton>("cmdRemovePicture")->isEnabled());
    act("Post");
    EXPECT_EQ(w.ws->pendingCovers.find(alpha->CDKey), QByteArray());
    SaveCovers(collection, collection, [this](const QString& k) { return w.entries().Entries().contains(k); },
               &w.ws->pendingCovers);
    EXPECT_TRUE(CoverStore(collection).find(alpha->CDKey).isEmpty());
    EXPECT_FALSE(CoverStore(collection).find(bravo->CDKey).isEmpty());
    EXPECT_TRUE(w.ws->pendingCovers.isEmpty());
    EXPECT_EQ(w.messages.count(), 0u);
}

TEST_F(PictureTest, APictureOfACollectionNeverSavedIsPlacedByItsFirstSave)
{
    open(false);
    // One set on a new recording that is then cancelled leaves nothing behind.
    act("Insert");
    w.dialogs.choose(file("red.png", kRed));
    c<QPushButton>("cmdPicture")->click();
    act("Cancel");
    EXPECT_TRUE(w.ws->pendingCovers.isEmpty());

    w.dialogs.choose(file("blue.png", kBlue));
    c<QPushButton>("cmdPicture")->click();
    act("Post");
    ASSERT_EQ(w.ws->pendingCovers.find(alpha->CDKey), kBlue);

    MainListModel model;
    MainController controller{*w.ws, model, w.busy};
    RecentFiles recent{w.config()};
    MainFileCommands files{w.context, controller, recent};
    files.initialise();
    w.dialogs.choose(collection);
    ASSERT_TRUE(files.saveAs());
    EXPECT_EQ(test::readFile(CoverStore(w.ws->currentFileName).find(alpha->CDKey)), kBlue);
    EXPECT_TRUE(w.ws->pendingCovers.isEmpty());
    EXPECT_EQ(w.messages.count(), 0u);
}

TEST(CoverLoader, OnlyTheLatestRequestIsAnswered)
{
    CoverLoader loader;
    QSignalSpy spy(&loader, &CoverLoader::loaded);
    for (int i = 0; i < 20; ++i)
        loader.load({QStringLiteral("k"), i % 2 ? kRed : QByteArray(), QString()}, {16, 16});
    loader.load({QStringLiteral("k"), kBlue, QString()}, {16, 16});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !loader.pending(); }));
    QCoreApplication::processEvents();
    ASSERT_EQ(spy.count(), 1);
    const auto image = spy.first().at(1).value<QImage>();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(image.size(), QSize(16, 12)); // scaled to fit, the shape kept
}
