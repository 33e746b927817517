#pragma once
// The message service of the tests: records every message and answers as scripted
// (the default button's answer when nothing is scripted).
#include "platform/IMessageService.h"

#include <deque>
#include <gtest/gtest.h>
#include <vector>

namespace vinaxo::test {

class ScriptedMessages final : public IMessageService {
public:
    using IMessageService::show;
    MsgAnswer show(const Message& message) override;

    // Custom buttons: logged as a message with the OK set, answered from answerIndex()
    // (the default button when nothing is scripted).
    int showCustom(const QString& text, const QString& title, MsgIcon icon, const QStringList& buttons,
                   int defaultIndex) override;

    void answer(MsgAnswer a) { m_answers.push_back(a); }
    void answerIndex(int i) { m_indexAnswers.push_back(i); }
    // The captions of each custom question, in order.
    const std::vector<QStringList>& customButtons() const { return m_custom; }
    const std::vector<Message>& messages() const { return m_log; }
    std::size_t count() const { return m_log.size(); }
    const Message& last() const { return m_log.back(); }
    void clear() { m_log.clear(); m_answers.clear(); m_indexAnswers.clear(); m_custom.clear(); }
    QStringList texts() const;

private:
    std::vector<Message> m_log;
    std::deque<MsgAnswer> m_answers;
    std::deque<int> m_indexAnswers;
    std::vector<QStringList> m_custom;
};

// Every part of a shown message: text, title, icon, buttons and default button.
inline void expectMessage(const Message& m, const Message& want)
{
    EXPECT_EQ(m.text, want.text);
    EXPECT_EQ(m.title, want.title);
    EXPECT_EQ(m.icon, want.icon);
    EXPECT_EQ(m.buttons, want.buttons);
    EXPECT_EQ(m.defaultButton, want.defaultButton);
}

// Exactly one message was shown, this one.
inline testing::AssertionResult onlyMessage(const ScriptedMessages& m, const QString& text, const QString& title,
                                            MsgIcon icon)
{
    if (m.count() != 1)
        return testing::AssertionFailure() << m.count() << " messages: " << m.texts().join(u'\n').toStdString();
    if (m.last().text != text || m.last().title != title || m.last().icon != icon)
        return testing::AssertionFailure() << "shown: " << m.last().title.toStdString() << ": "
                                           << m.last().text.toStdString() << " icon " << int(m.last().icon);
    return testing::AssertionSuccess();
}

} // namespace vinaxo::test
