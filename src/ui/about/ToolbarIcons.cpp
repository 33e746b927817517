#include "ui/about/ToolbarIcons.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSvgRenderer>

namespace vinaxo {

namespace {

// The outline colour the bundled drawings are made with.
constexpr char DrawingInk[] = "#2f3b48";

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

// A bundled drawing whose outlines take the text colour of a dark palette, so that they
// stay visible on a dark toolbar; drawn at whatever size and scale is asked for.
class PaletteDrawing final : public QIconEngine {
public:
    explicit PaletteDrawing(const QString& resource) : m_resource(resource)
    {
        QFile file(resource);
        if (file.open(QIODevice::ReadOnly))
            m_svg = file.readAll();
    }
    QIconEngine* clone() const override { return new PaletteDrawing(*this); }
    bool isNull() override { return m_svg.isEmpty(); }
    QString key() const override { return QStringLiteral("vinaxo-palette-drawing"); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const QPalette palette = QGuiApplication::palette();
        QByteArray svg = m_svg;
        if (isDark(palette))
            svg.replace(DrawingInk, palette.color(QPalette::WindowText).name().toLatin1());
        QSvgRenderer renderer(svg);
        painter->save();
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        renderer.render(painter, QRectF(rect));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pm(size * scale);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            paint(&p, QRect(QPoint(), pm.size()), mode, state);
        }
        pm.setDevicePixelRatio(scale);
        return pm;
    }

private:
    QString m_resource;
    QByteArray m_svg;
};

} // namespace

QIcon toolbarIcon(const QString& themeName, const QString& fallbackResource)
{
    const QStringList names = themeName.split(u';', Qt::SkipEmptyParts);
    for (const QString& name : names) {
        const QString trimmed = name.trimmed();
        if (QIcon::hasThemeIcon(trimmed))
            return QIcon::fromTheme(trimmed);
    }
    if (fallbackResource.endsWith(QLatin1String(".svg")))
        return QIcon(new PaletteDrawing(fallbackResource));
    return QIcon(fallbackResource);
}

const ToolbarIconSpec (&mainToolbarIcons())[10]
{
    static const ToolbarIconSpec specs[10] = {
        {"Open", "document-open", ":/vinaxo/icons/open.svg"},
        {"Save", "document-save", ":/vinaxo/icons/save.svg"},
        {"Edit", "document-edit;accessories-text-editor", ":/vinaxo/icons/edit.svg"},
        {"Print", "document-print", ":/vinaxo/icons/print.svg"},
        {"Calc", "accessories-calculator", ":/vinaxo/icons/calc.svg"},
        {"CDInfo", "media-optical", ":/vinaxo/icons/lookup.svg"},
        {"Search", "edit-find;system-search", ":/vinaxo/icons/search.svg"},
        {"Filter", "view-filter", ":/vinaxo/icons/filter.svg"},
        {"Exit", "application-exit", ":/vinaxo/icons/exit.svg"},
        {"Help", "help-contents", ":/vinaxo/icons/help.svg"},
    };
    return specs;
}

QIcon mainToolbarIcon(const QString& key)
{
    for (const ToolbarIconSpec& spec : mainToolbarIcons()) {
        if (key == QLatin1String(spec.key))
            return toolbarIcon(QLatin1String(spec.themeNames), QLatin1String(spec.resource));
    }
    return {};
}

QIcon applicationIcon()
{
    return toolbarIcon(QStringLiteral("vinaxo"), QLatin1String(ApplicationIconResource));
}

} // namespace vinaxo
