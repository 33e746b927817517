#include "ui/common/WindowGeometry.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vinaxo {

QRect AvailableScreenArea(const QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

bool SizeFitsScreen(const QSize& size, const QRect& available)
{
    if (!size.isValid() || size.isEmpty())
        return false;
    return available.isEmpty() || (size.width() <= available.width() && size.height() <= available.height());
}

bool RestoreWindowSize(QWidget& window, const QSize& stored)
{
    if (!SizeFitsScreen(stored, AvailableScreenArea(window)))
        return false;
    window.resize(stored);
    return true;
}

QSize StoredGeometrySize(const QByteArray& stored)
{
    // The layout QWidget::saveGeometry writes: a magic number, major and minor version,
    // the frame geometry, then the normal geometry.
    QDataStream in(stored);
    in.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0, minor = 0;
    QRect frame, normal;
    in >> magic >> major >> minor >> frame >> normal;
    if (in.status() != QDataStream::Ok || magic != 0x1D9D0CB || major < 1)
        return {};
    return normal.isValid() ? normal.size() : frame.size();
}

bool RestoreWindowGeometry(QWidget& window, const QByteArray& stored)
{
    if (!SizeFitsScreen(StoredGeometrySize(stored), AvailableScreenArea(window)))
        return false;
    return window.restoreGeometry(stored);
}

} // namespace vinaxo
