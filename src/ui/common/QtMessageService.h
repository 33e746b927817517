#pragma once
#include "platform/IMessageService.h"

class QWidget;

namespace vinaxo {

// Message boxes of the desktop application.
class QtMessageService final : public IMessageService {
public:
    explicit QtMessageService(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    using IMessageService::show;
    MsgAnswer show(const Message& message) override;
    int showCustom(const QString& text, const QString& title, MsgIcon icon, const QStringList& buttons,
                   int defaultIndex) override;

private:
    QWidget* m_parent;
};

} // namespace vinaxo
