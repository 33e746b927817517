#include "ui/print/PreviewPage.h"
#include "print/PreviewSurface.h"

#include <QPainter>

namespace vinaxo {

PreviewPage::PreviewPage(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(240, 300);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PreviewPage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Dark));
    if (!m_pages)
        return;
    const double margin = 12;
    const double w = m_pages->pageWidth(), h = m_pages->pageHeight();
    const double scale = qMin((width() - 2 * margin) / w, (height() - 2 * margin) / h);
    if (scale <= 0)
        return;
    const QRectF paper((width() - w * scale) / 2, (height() - h * scale) / 2, w * scale, h * scale);
    p.fillRect(paper.translated(3, 3), QColor(0, 0, 0, 80));
    p.fillRect(paper, Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(paper.topLeft());
    m_pages->paintPage(p, m_index, scale);
}

} // namespace vinaxo
