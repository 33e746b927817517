#include "ui/about/ToolbarIcons.h"

namespace vinaxo {

QIcon toolbarIcon(const QString& themeName, const QString& fallbackResource)
{
    const QStringList names = themeName.split(u';', Qt::SkipEmptyParts);
    for (const QString& name : names) {
        const QString trimmed = name.trimmed();
        if (QIcon::hasThemeIcon(trimmed))
            return QIcon::fromTheme(trimmed);
    }
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
