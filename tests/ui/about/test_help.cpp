// The help document: every local link resolves, every page is reachable from index.htm,
// and the commands it explains carry the captions the program shows.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

struct Page {
    QString path;
    QString text;
};

QList<Page> pagesUnder(const QString& root)
{
    QList<Page> pages;
    QDirIterator it(root, {"*.htm", "*.html", "*.css"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            pages.append({QFileInfo(path).canonicalFilePath(), QString::fromUtf8(f.readAll())});
    }
    return pages;
}

QSet<QString> idsOf(const QString& html)
{
    QSet<QString> ids;
    static const QRegularExpression re(QStringLiteral(R"re(\b(?:id|name)\s*=\s*"([^"]*)")re"));
    for (auto m = re.globalMatch(html); m.hasNext();)
        ids.insert(m.next().captured(1));
    return ids;
}

// Local references of a page: href and src attributes, and url() in style sheets.
QStringList referencesOf(const Page& page)
{
    QStringList refs;
    static const QRegularExpression attr(QStringLiteral(R"re(\b(?:href|src)\s*=\s*"([^"]*)")re"));
    static const QRegularExpression url(QStringLiteral(R"re(url\(\s*['"]?([^'")]+)['"]?\s*\))re"));
    for (auto m = attr.globalMatch(page.text); m.hasNext();)
        refs << m.next().captured(1);
    for (auto m = url.globalMatch(page.text); m.hasNext();)
        refs << m.next().captured(1);
    return refs;
}

bool isOutside(const QString& ref)
{
    return ref.startsWith(u"http:") || ref.startsWith(u"https:") || ref.startsWith(u"mailto:");
}

void checkFolder(const QString& root)
{
    const QList<Page> pages = pagesUnder(root);
    ASSERT_FALSE(pages.isEmpty()) << root.toStdString();
    const QString index = QFileInfo(QDir(root).filePath("index.htm")).canonicalFilePath();
    ASSERT_FALSE(index.isEmpty()) << "no index.htm in " << root.toStdString();

    QHash<QString, QSet<QString>> ids;
    for (const Page& p : pages)
        ids.insert(p.path, idsOf(p.text));

    QSet<QString> linked{index};
    for (const Page& page : pages) {
        SCOPED_TRACE(page.path.toStdString());
        EXPECT_FALSE(page.text.contains(QLatin1String("<script"), Qt::CaseInsensitive)) << "no JavaScript";
        for (const QString& ref : referencesOf(page)) {
            SCOPED_TRACE(ref.toStdString());
            ASSERT_FALSE(ref.isEmpty());
            if (isOutside(ref))
                continue;
            const qsizetype hash = ref.indexOf(u'#');
            const QString file = hash < 0 ? ref : ref.left(hash);
            const QString anchor = hash < 0 ? QString() : ref.mid(hash + 1);
            const QString target = file.isEmpty()
                ? page.path
                : QFileInfo(QFileInfo(page.path).dir().filePath(file)).canonicalFilePath();
            ASSERT_FALSE(target.isEmpty()) << "missing file";
            EXPECT_TRUE(target.startsWith(QFileInfo(root).canonicalFilePath())) << "outside doc/";
            linked.insert(target);
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(ids.value(target).contains(anchor)) << "missing anchor";
            }
        }
    }
    for (const Page& p : pages)
        EXPECT_TRUE(linked.contains(p.path)) << "not linked from any page: " << p.path.toStdString();
}

QString allText(const QString& root)
{
    QString text;
    for (const Page& p : pagesUnder(root))
        text += p.text;
    // The pages write "&amp;" and break lines where they like.
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    return text;
}

} // namespace

TEST(Help, EveryLocalLinkResolvesInTheSources)
{
    checkFolder(QStringLiteral(VINAXO_SOURCE_DIR "/doc"));
}

TEST(Help, EveryLocalLinkResolvesInTheBuildTreeCopy)
{
    checkFolder(QStringLiteral(VINAXO_APP_DIR "/doc"));
}

TEST(Help, ExplainsTheCommandsByTheirCaptions)
{
    const QString text = allText(QStringLiteral(VINAXO_SOURCE_DIR "/doc"));
    const char* captions[] = {
        // menus
        "New", "Open...", "Open Recent", "Close", "Save", "Save As...", "Report Design...", "Print...",
        "Import/Export...", "Exit", "Entry Detail...", "Start Search...", "Lookup - Fast add...",
        "Calculator...", "Configure Views and Reports...", "Configure Categories...",
        "Configure Mediums...", "Load Last File", "Default Categories", "Default Mediums",
        "Auto Calculate Total Time", "Help Contents", "About...", "Open Example Collection",
        // shortcuts
        "Ctrl+N", "Ctrl+O", "Ctrl+W", "Ctrl+S", "Ctrl+Shift+S", "Ctrl+P", "Ctrl+Q", "F1", "Ctrl+F",
        // windows and their buttons
        "View / Report Name:", "Configure View / Report", "Edit Category List", "Edit Medium List",
        "Entry Detail", "Read CD", "Update Track", "Blank", "Unlock", "Text / Global", "Text / Begin",
        "Case Sensitive", "File Import and Export", "Track Titles/Times", "Select File...",
        "Open Def...", "Save Def...", "Start Import", "Start Export", "Print Report", "Set Heading",
        "Set Detail", "Tape Calculator", "Copy All", "Swap Sides", "Clipboard",
        "CD Internet Lookup", "Get CD Info...", "Apply Updates", "Configure Internet CD Lookup",
        "Get Site List", "Timeout Seconds:",
        // set-up facts
        "gnudb.gnudb.org", "8880", "/~cddb/cddb.cgi", "Tremalik.Vinaxo.3.0.ini", "vinaxo-cli",
        "Release Level 3.1",
    };
    for (const char* c : captions)
        EXPECT_TRUE(text.contains(QLatin1String(c))) << "the help does not mention " << c;
}

TEST(Help, LogoIsTheApplicationIcon)
{
    QFile logo(QStringLiteral(VINAXO_SOURCE_DIR "/doc/images/vinaxo.svg"));
    QFile icon(QStringLiteral(VINAXO_SOURCE_DIR "/data/vinaxo.svg"));
    ASSERT_TRUE(logo.open(QIODevice::ReadOnly));
    ASSERT_TRUE(icon.open(QIODevice::ReadOnly));
    EXPECT_TRUE(logo.readAll() == icon.readAll()) << "copy data/vinaxo.svg to doc/images/";
}
