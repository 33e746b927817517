#include "ui/calc/NegativeText.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

namespace vinaxo {

QColor NegativeTextColour(const QPalette& palette)
{
    const bool darkTheme = palette.color(QPalette::Base).lightness() < 128;
    return darkTheme ? QColor(255, 120, 120) : QColor(190, 0, 0);
}

void ShowSignedTime(QLineEdit* box, const QString& time)
{
    box->setText(time);
    const bool negative = time.startsWith(u'-');
    QPalette p = box->palette();
    const QPalette normal = QApplication::palette(box);
    p.setColor(QPalette::Text, negative ? NegativeTextColour(normal) : normal.color(QPalette::Text));
    box->setPalette(p);
    QFont f = box->font();
    f.setBold(negative);
    box->setFont(f);
}

} // namespace vinaxo
