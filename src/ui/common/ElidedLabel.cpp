#include "ui/common/ElidedLabel.h"

#include <QPainter>
#include <QStyle>

namespace vinaxo {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
}

QSize ElidedLabel::sizeHint() const
{
    return {fontMetrics().averageCharWidth() * 10, QLabel::sizeHint().height()};
}

QSize ElidedLabel::minimumSizeHint() const { return {0, QLabel::minimumSizeHint().height()}; }

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    // Line breaks would make a second line the label has no room for.
    QString line = text();
    line.replace(u'\n', u' ');
    const QString shown = fontMetrics().elidedText(line, Qt::ElideRight, area.width());
    setToolTip(shown == line ? QString() : line.left(1000));
    style()->drawItemText(&painter, area, int(alignment()) | Qt::TextSingleLine, palette(), isEnabled(),
                          shown, foregroundRole());
}

} // namespace vinaxo
