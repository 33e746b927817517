// Every window, opened offscreen: each control that takes the keyboard focus has a name a
// screen reader can say. The walk goes through the accessibility tree, so names that Qt
// derives (button texts, buddy labels, action texts) count as well as set ones.
#include "support/UiWorld.h"
#include "print/PreviewSurface.h"
#include "ui/about/frmAbout.h"
#include "ui/calc/frmCDCalc.h"
#include "ui/entry/frmCDSearch.h"
#include "ui/entry/frmEntryDetail.h"
#include "ui/exchange/frmCDIMPDES.h"
#include "ui/lists/frmCommonAdd.h"
#include "ui/lists/frmNameList.h"
#include "ui/lookup/frmCDDBAccess.h"
#include "ui/lookup/frmCDDBMultiSelect.h"
#include "ui/lookup/frmCDInfoConfig.h"
#include "ui/main/frmCDLoad.h"
#include "ui/main/frmCDMLIST.h"
#include "ui/print/frmCDPRINT.h"
#include "ui/print/frmPrintPreview.h"
#include "ui/stats/frmStatistics.h"
#include "ui/views/frmConfigureView.h"
#include "ui/views/frmNewView.h"

#include <QAccessible>
#include <QPageSize>
#include <QTabWidget>
#include <functional>
#include <gtest/gtest.h>

using namespace vinaxo;

namespace {

// Offscreen there is no assistive technology asking, so Qt makes no interfaces until
// something says it is listening.
struct Listening : QAccessible::ActivationObserver {
    void accessibilityActiveChanged(bool) override {}
};

// The focusable controls without a name under `iface`, as "class objectName (role)".
void unnamed(QAccessibleInterface* iface, QStringList& out, int depth = 0)
{
    if (!iface || !iface->isValid() || depth > 40)
        return;
    const QAccessible::State state = iface->state();
    // Rows and cells of a list are its data (an empty cell is a blank field), not controls.
    auto* widget = qobject_cast<QWidget*>(iface->object());
    if (widget && state.focusable && !state.invisible && iface->text(QAccessible::Name).trimmed().isEmpty()) {
        const QWidget* in = widget->parentWidget();
        out << QStringLiteral("%1 %2 in %3 (role %4)")
                   .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(),
                        in ? in->objectName() : QString())
                   .arg(int(iface->role()));
    }
    for (int i = 0; i < iface->childCount(); ++i)
        unnamed(iface->child(i), out, depth + 1);
}

// Every page of every tab widget is looked at, not only the page shown first.
QStringList unnamedOnAllPages(QWidget* window)
{
    QStringList out;
    const auto tabs = window->findChildren<QTabWidget*>();
    QList<QTabWidget*> pages = tabs.isEmpty() ? QList<QTabWidget*>{nullptr} : tabs;
    for (QTabWidget* tab : pages) {
        for (int i = 0; i < (tab ? tab->count() : 1); ++i) {
            if (tab)
                tab->setCurrentIndex(i);
            unnamed(QAccessible::queryAccessibleInterface(window), out);
        }
    }
    out.removeDuplicates();
    return out;
}

using Factory = std::function<std::unique_ptr<QWidget>(test::UiWorld&)>;

struct Window {
    const char* name;
    Factory make;
};

template <class W>
Window with(const char* name)
{
    return {name, [](test::UiWorld& w) -> std::unique_ptr<QWidget> { return std::make_unique<W>(w.context); }};
}

template <class W>
Window plain(const char* name)
{
    return {name, [](test::UiWorld&) -> std::unique_ptr<QWidget> { return std::make_unique<W>(); }};
}

const PreviewSurface& noPages()
{
    static PreviewSurface pages{QPageSize(QPageSize::A4)};
    return pages;
}

const Window windows[] = {
    with<frmCDMLIST>("main"),
    with<frmCDCalc>("calculator"),
    with<frmCDSearch>("search"),
    {"entry", [](test::UiWorld& w) -> std::unique_ptr<QWidget> { return std::make_unique<frmEntryDetail>(w.context, nullptr); }},
    with<frmCDIMPDES>("exchange"),
    with<frmCategoryList>("categories"),
    with<frmMediumList>("mediums"),
    plain<frmCommonAdd>("add name"),
    with<frmCDDBAccess>("lookup"),
    plain<frmCDDBMultiSelect>("lookup choice"),
    with<frmCDInfoConfig>("lookup settings"),
    plain<frmCDLoad>("load"),
    with<frmCDPRINT>("print"),
    {"preview", [](test::UiWorld&) -> std::unique_ptr<QWidget> { return std::make_unique<frmPrintPreview>(noPages()); }},
    with<frmStatistics>("statistics"),
    with<frmConfigureView>("configure view"),
    {"new view", [](test::UiWorld& w) -> std::unique_ptr<QWidget> { return std::make_unique<frmNewView>(w.entries()); }},
    plain<frmAbout>("about"),
};

class Accessibility : public ::testing::TestWithParam<Window> {};

TEST_P(Accessibility, EveryFocusableControlHasAName)
{
    Listening listening;
    QAccessible::installActivationObserver(&listening);
    QAccessible::setActive(true);
    test::UiWorld w;
    w.addRecording(QStringLiteral("A title"), QStringLiteral("An artist"), 2);
    std::unique_ptr<QWidget> window = GetParam().make(w);
    window->show();
    const QStringList missing = unnamedOnAllPages(window.get());
    EXPECT_TRUE(missing.isEmpty()) << GetParam().name << ":\n  " << missing.join(QStringLiteral("\n  ")).toStdString();
    window.reset();
    QAccessible::removeActivationObserver(&listening);
}

INSTANTIATE_TEST_SUITE_P(Windows, Accessibility, ::testing::ValuesIn(windows),
                         [](const auto& param) {
                             std::string n = param.param.name;
                             for (char& c : n)
                                 if (c == ' ')
                                     c = '_';
                             return n;
                         });

} // namespace
