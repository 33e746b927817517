// The help document: every local link resolves and every page is reachable from index.htm.
#include "support/TestWorld.h"

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

} // namespace

TEST(Help, EveryLocalLinkResolvesInTheSourcesAndTheBuildTreeCopy)
{
    checkFolder(QStringLiteral(VINAXO_SOURCE_DIR "/doc"));
    checkFolder(QStringLiteral(VINAXO_APP_DIR "/doc"));
}

TEST(Help, LogoIsTheApplicationIcon)
{
    EXPECT_TRUE(vinaxo::test::readFile(VINAXO_SOURCE_DIR "/doc/images/vinaxo.svg")
                == vinaxo::test::readFile(VINAXO_SOURCE_DIR "/data/vinaxo.svg"))
        << "copy data/vinaxo.svg to doc/images/";
}
