#pragma once
// The message service of the tests: records every message and answers as scripted
// (the default button's answer when nothing is scripted).
#include "platform/IMessageService.h"

#include <deque>
#include <vector>

namespace vinaxo::test {

class ScriptedMessages final : public IMessageService {
public:
    using IMessageService::show;
    MsgAnswer show(const Message& message) override;

    void answer(MsgAnswer a) { m_answers.push_back(a); }
    const std::vector<Message>& messages() const { return m_log; }
    std::size_t count() const { return m_log.size(); }
    const Message& last() const { return m_log.back(); }
    void clear() { m_log.clear(); m_answers.clear(); }
    QStringList texts() const;

private:
    std::vector<Message> m_log;
    std::deque<MsgAnswer> m_answers;
};

} // namespace vinaxo::test
