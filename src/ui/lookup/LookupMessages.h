#pragma once
// The lookup object's messages on their way to the user: once the user has cancelled a
// run, the failures that follow from it are not shown; and the window learns whether a
// run said anything at all.
#include "platform/IMessageService.h"

namespace vinaxo {

class LookupMessages final : public IMessageService {
public:
    explicit LookupMessages(IMessageService& inner) : m_inner(inner) {}

    using IMessageService::show;
    MsgAnswer show(const Message& message) override
    {
        if (m_muted)
            return defaultAnswer(message.buttons, message.defaultButton);
        ++m_shown;
        return m_inner.show(message);
    }
    int showCustom(const QString& text, const QString& title, MsgIcon icon, const QStringList& buttons,
                   int defaultIndex) override
    {
        if (m_muted)
            return defaultIndex;
        ++m_shown;
        return m_inner.showCustom(text, title, icon, buttons, defaultIndex);
    }

    // A new run: nothing shown yet, nothing muted.
    void startRun()
    {
        m_shown = 0;
        m_muted = false;
    }
    void mute() { m_muted = true; }
    int shown() const { return m_shown; }

private:
    IMessageService& m_inner;
    int m_shown = 0;
    bool m_muted = false;
};

} // namespace vinaxo
