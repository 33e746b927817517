#include "support/TestWorld.h"
#include "ui/about/ToolbarIcons.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vinaxo;

namespace {

// Pixels that are not fully transparent in the icon drawn at `side` pixels.
int paintedPixels(const QIcon& icon, int side)
{
    const QImage img = icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += qAlpha(img.pixel(x, y)) > 0;
    return n;
}

struct ThemeReset {
    QString name = QIcon::themeName();
    QStringList paths = QIcon::themeSearchPaths();
    ~ThemeReset()
    {
        QIcon::setThemeSearchPaths(paths);
        QIcon::setThemeName(name);
    }
};

} // namespace

TEST(ToolbarIcons, BundledDrawingsRenderWhenTheThemeHasNone)
{
    ThemeReset reset;
    QIcon::setThemeName(QStringLiteral("no-such-theme"));
    const QString shots = qEnvironmentVariable("VINAXO_SHOT_DIR");
    QImage strip(10 * 56, 56, QImage::Format_ARGB32);
    strip.fill(QColor(0xee, 0xee, 0xee));
    QPainter painter(&strip);
    int i = 0;
    for (const ToolbarIconSpec& spec : mainToolbarIcons()) {
        SCOPED_TRACE(spec.key);
        const QIcon icon = mainToolbarIcon(QLatin1String(spec.key));
        ASSERT_FALSE(icon.isNull());
        // Drawn, not blank, and not filling the whole square either.
        const int painted = paintedPixels(icon, 24);
        EXPECT_GT(painted, 24 * 24 / 8);
        EXPECT_LT(painted, 24 * 24);
        painter.drawPixmap(i * 56 + 4, 4, icon.pixmap(48, 48));
        painter.drawPixmap(i * 56 + 16, 30, icon.pixmap(24, 24));
        ++i;
    }
    painter.end();
    EXPECT_TRUE(mainToolbarIcon(QStringLiteral("Nothing")).isNull());
    EXPECT_GT(paintedPixels(applicationIcon(), 64), 64 * 64 / 3);
    if (!shots.isEmpty()) {
        strip.save(QDir(shots).filePath(QStringLiteral("toolbar-icons.png")));
        applicationIcon().pixmap(128, 128).save(QDir(shots).filePath(QStringLiteral("vinaxo-icon.png")));
    }
}

// On a dark palette the outlines of the bundled drawings turn light: more light pixels
// than on the light palette, where they stay dark.
TEST(ToolbarIcons, BundledOutlinesFollowADarkPalette)
{
    ThemeReset reset;
    QIcon::setThemeName(QStringLiteral("no-such-theme"));
    const QPalette saved = QGuiApplication::palette();
    auto lightPixels = [](const QPalette& palette) {
        QGuiApplication::setPalette(palette);
        const QImage img = mainToolbarIcon(QStringLiteral("Open")).pixmap(24, 24).toImage();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += img.pixelColor(x, y).alpha() > 128 && img.pixelColor(x, y).lightness() > 200;
        return n;
    };
    QPalette dark = saved;
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, QColor(240, 240, 240));
    const int onLight = lightPixels(saved);
    const int onDark = lightPixels(dark);
    QGuiApplication::setPalette(saved);
    EXPECT_GT(onDark, onLight + 20);
}

TEST(ToolbarIcons, ThemeIconWinsAndAlternativesAreTriedInOrder)
{
    ThemeReset reset;
    QTemporaryDir dir;
    QDir root(dir.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("testtheme/24x24/actions")));
    test::writeFile(root.filePath(QStringLiteral("testtheme/index.theme")),
                    "[Icon Theme]\nName=testtheme\nDirectories=24x24/actions\n\n"
                    "[24x24/actions]\nSize=24\nType=Fixed\n");
    // The theme knows the second alternative of "Edit" only.
    for (const char* name : {"document-open", "accessories-text-editor"}) {
        QImage img(24, 24, QImage::Format_ARGB32);
        img.fill(Qt::red);
        ASSERT_TRUE(img.save(root.filePath(QStringLiteral("testtheme/24x24/actions/%1.png").arg(QLatin1String(name)))));
    }
    QIcon::setThemeSearchPaths({dir.path()});
    QIcon::setThemeName(QStringLiteral("testtheme"));

    EXPECT_EQ(mainToolbarIcon(QStringLiteral("Open")).name(), "document-open");
    EXPECT_EQ(mainToolbarIcon(QStringLiteral("Edit")).name(), "accessories-text-editor");
    const QIcon save = mainToolbarIcon(QStringLiteral("Save"));
    EXPECT_TRUE(save.name().isEmpty()) << "not in the theme: the bundled drawing";
    EXPECT_GT(paintedPixels(save, 24), 0);
    EXPECT_EQ(toolbarIcon(QStringLiteral("document-open"), QStringLiteral(":/vinaxo/icons/open.svg")).name(),
              "document-open");
}
