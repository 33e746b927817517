#include "ui/entry/CdTextOffer.h"

#include "platform/IMessageService.h"
#include <QCoreApplication>

namespace vinaxo {

std::optional<CdTextTitles> CdTextOffer(const CdText& text, const QString& title, const QString& artist)
{
    CdTextTitles offer{text.title.isEmpty() ? title : text.title,
                       text.performer.isEmpty() ? artist : text.performer};
    if (offer.title == title && offer.performer == artist)
        return std::nullopt;
    return offer;
}

std::optional<CdTextTitles> AskCdTextTitles(IMessageService& messages, const CdText& text, const QString& title,
                                            const QString& artist)
{
    const auto offer = CdTextOffer(text, title, artist);
    if (!offer)
        return std::nullopt;
    QStringList lines;
    if (!text.title.isEmpty())
        lines << QCoreApplication::translate("CdTextOffer", "Title: %1").arg(text.title);
    if (!text.performer.isEmpty())
        lines << QCoreApplication::translate("CdTextOffer", "Performer: %1").arg(text.performer);
    const QString question = QCoreApplication::translate("CdTextOffer",
                                                         "The disc carries its own titles (CD-Text):\n\n%1\n\n"
                                                         "Use them for this recording?")
                                 .arg(lines.join(QLatin1Char('\n')));
    if (messages.show(question, QCoreApplication::translate("CdTextOffer", CdTextQuestionTitle.toUtf8().constData()),
                      MsgIcon::Question, MsgButtons::YesNo, MsgDefault::First)
        != MsgAnswer::Yes)
        return std::nullopt;
    return offer;
}

} // namespace vinaxo
