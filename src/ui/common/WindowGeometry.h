#pragma once
// Restores the size or geometry a window stored of itself only when it fits the screen
// the window opens on. A stored size larger than that screen (a window a fault once
// widened, or a smaller screen since) is ignored: the window keeps its own size.
#include <QByteArray>
#include <QRect>
#include <QSize>

class QWidget;

namespace vinaxo {

// The room the window has: the available area of its screen (the primary one before it
// is shown); empty when there is no screen.
QRect AvailableScreenArea(const QWidget& window);

// True when `size` is a valid size no larger than `available` (an empty area takes any).
bool SizeFitsScreen(const QSize& size, const QRect& available);

// Resizes the window to `stored` when it fits; false (the window unchanged) otherwise.
bool RestoreWindowSize(QWidget& window, const QSize& stored);

// QWidget::restoreGeometry for the bytes of QWidget::saveGeometry, when the stored
// geometry fits the screen; false (the window unchanged) when it does not, or when the
// bytes are no geometry.
bool RestoreWindowGeometry(QWidget& window, const QByteArray& stored);

// The size of the window that bytes of QWidget::saveGeometry describe (its normal,
// not maximised, geometry); invalid when the bytes are no geometry.
QSize StoredGeometrySize(const QByteArray& stored);

} // namespace vinaxo
