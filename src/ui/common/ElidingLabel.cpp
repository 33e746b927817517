#include "ui/common/ElidingLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace vinaxo {

namespace {
// A tool tip of a whole 32,767-character title would cover the screen.
constexpr int ToolTipChars = 500;

QString oneLine(QString s)
{
    s.replace(u'\n', u' ').replace(u'\r', u' ').replace(QChar::ParagraphSeparator, u' ');
    return s;
}
}

ElidingLabel::ElidingLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QSize ElidingLabel::sizeHint() const
{
    const QMargins m = contentsMargins();
    return {fontMetrics().averageCharWidth() * 20 + m.left() + m.right(),
            fontMetrics().height() + m.top() + m.bottom()};
}

QSize ElidingLabel::minimumSizeHint() const
{
    const QMargins m = contentsMargins();
    return {m.left() + m.right(), fontMetrics().height() + m.top() + m.bottom()};
}

QString ElidingLabel::shownText() const
{
    return fontMetrics().elidedText(oneLine(text()), Qt::ElideRight, contentsRect().width());
}

bool ElidingLabel::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        const QString whole = oneLine(text());
        if (shownText() != whole) {
            const QString tip = whole.size() > ToolTipChars ? whole.left(ToolTipChars) + QChar(0x2026) : whole;
            QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), tip, this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QLabel::event(e);
}

void ElidingLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(),
                          QStyle::visualAlignment(layoutDirection(), alignment()) | Qt::TextSingleLine,
                          palette(), isEnabled(), shownText(), foregroundRole());
}

} // namespace vinaxo
