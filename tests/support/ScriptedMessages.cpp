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

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const auto& m : m_log)
        out << m.text;
    return out;
}

} // namespace vinaxo::test
