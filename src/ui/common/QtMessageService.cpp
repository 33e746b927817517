#include "ui/common/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <vector>

namespace vinaxo {

namespace {
struct ButtonMap {
    QMessageBox::StandardButton button;
    MsgAnswer answer;
};

std::vector<ButtonMap> buttonsOf(MsgButtons b)
{
    using SB = QMessageBox::StandardButton;
    switch (b) {
    case MsgButtons::OK: return {{SB::Ok, MsgAnswer::OK}};
    case MsgButtons::OKCancel: return {{SB::Ok, MsgAnswer::OK}, {SB::Cancel, MsgAnswer::Cancel}};
    case MsgButtons::YesNo: return {{SB::Yes, MsgAnswer::Yes}, {SB::No, MsgAnswer::No}};
    case MsgButtons::YesNoCancel:
        return {{SB::Yes, MsgAnswer::Yes}, {SB::No, MsgAnswer::No}, {SB::Cancel, MsgAnswer::Cancel}};
    case MsgButtons::RetryCancel:
        return {{SB::Retry, MsgAnswer::Retry}, {SB::Cancel, MsgAnswer::Cancel}};
    case MsgButtons::AbortRetryIgnore:
        return {{SB::Abort, MsgAnswer::Abort}, {SB::Retry, MsgAnswer::Retry},
                {SB::Ignore, MsgAnswer::Ignore}};
    }
    return {{SB::Ok, MsgAnswer::OK}};
}

QMessageBox::Icon iconOf(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}
}

MsgAnswer QtMessageService::show(const Message& m)
{
    // Texts from the model use a carriage return as their line break.
    QString text = m.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox box(iconOf(m.icon), m.title, text, QMessageBox::NoButton, m_parent);
    const auto map = buttonsOf(m.buttons);
    for (const auto& b : map)
        box.addButton(b.button);
    const std::size_t def = std::size_t(static_cast<int>(m.defaultButton) - 1);
    if (def < map.size())
        box.setDefaultButton(map[def].button);
    if (map.size() == 1)
        box.setEscapeButton(map[0].button);
    else if (box.button(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (box.button(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const auto& b : map) {
        if (b.button == pressed)
            return b.answer;
    }
    return defaultAnswer(m.buttons, m.defaultButton);
}

int QtMessageService::showCustom(const QString& text, const QString& title, MsgIcon icon,
                                 const QStringList& buttons, int defaultIndex)
{
    QMessageBox box(iconOf(icon), title, text, QMessageBox::NoButton, m_parent);
    std::vector<QPushButton*> added;
    for (const QString& caption : buttons)
        added.push_back(box.addButton(caption, QMessageBox::AcceptRole));
    if (defaultIndex >= 0 && std::size_t(defaultIndex) < added.size())
        box.setDefaultButton(added[std::size_t(defaultIndex)]);
    box.exec();
    const auto it = std::find(added.begin(), added.end(), box.clickedButton());
    return it == added.end() ? -1 : int(it - added.begin());
}

} // namespace vinaxo
