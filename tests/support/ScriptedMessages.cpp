#include "support/ScriptedMessages.h"

#include <QStringList>

namespace vinaxo::test {

MsgAnswer ScriptedMessages::show(const Message& message)
{
    m_log.push_back(message);
    if (!m_answers.empty()) {
        const MsgAnswer a = m_answers.front();
        m_answers.pop_front();
        return a;
    }
    return defaultAnswer(message.buttons, message.defaultButton);
}

int ScriptedMessages::showCustom(const QString& text, const QString& title, MsgIcon icon,
                                 const QStringList& buttons, int defaultIndex)
{
    m_log.push_back(Message{text, title, icon, MsgButtons::OK, MsgDefault::First});
    m_custom.push_back(buttons);
    if (!m_indexAnswers.empty()) {
        const int a = m_indexAnswers.front();
        m_indexAnswers.pop_front();
        return a;
    }
    return defaultIndex;
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const auto& m : m_log)
        out << m.text;
    return out;
}

} // namespace vinaxo::test
