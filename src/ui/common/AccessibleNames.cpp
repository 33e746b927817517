#include "ui/common/AccessibleNames.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace vinaxo {

namespace {

QString labelOf(const QWidget* window, const QWidget* control)
{
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() == control) {
            QString text = label->text();
            // "&&" is a shown ampersand, a single '&' marks the access key.
            text.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
            text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
            if (text.endsWith(QLatin1Char(':')))
                text.chop(1);
            return text.trimmed();
        }
    }
    return QString();
}

} // namespace

void nameComboEditors(QWidget* window)
{
    for (QComboBox* combo : window->findChildren<QComboBox*>()) {
        QLineEdit* edit = combo->lineEdit();
        if (!edit || !edit->accessibleName().isEmpty())
            continue;
        const QString name = combo->accessibleName().isEmpty() ? labelOf(window, combo) : combo->accessibleName();
        edit->setAccessibleName(name);
    }
}

} // namespace vinaxo
