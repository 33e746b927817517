#include "ui/common/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>
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

} // namespace vinaxo
