#pragma once
// A time box that shows an overrun ("-3:30") in the theme's negative colour as well.
#include <QString>

class QLineEdit;
class QPalette;
class QColor;

namespace vinaxo {

// Red, dark on a light theme and light on a dark one, so that it stays readable.
QColor NegativeTextColour(const QPalette& palette);
void ShowSignedTime(QLineEdit* box, const QString& time);

} // namespace vinaxo
