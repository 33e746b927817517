#pragma once
// "Read CD" and the disc's own album title and performer (CD-Text): offered to the user,
// never written over what the recording has without asking.
#include "lookup/ICDAudioDevice.h"

#include <optional>

namespace vinaxo {

class IMessageService;

struct CdTextTitles {
    QString title;
    QString performer;
};

// What the disc offers: nothing when it names neither, or only what the recording
// already has. A part the disc leaves empty keeps the recording's own.
std::optional<CdTextTitles> CdTextOffer(const CdText& text, const QString& title, const QString& artist);

// Asks the user about the offer; the title and performer to fill when the answer is yes.
std::optional<CdTextTitles> AskCdTextTitles(IMessageService& messages, const CdText& text, const QString& title,
                                            const QString& artist);

// English (the tests compare it); shown through the translation.
inline const QString CdTextQuestionTitle = QStringLiteral(QT_TRANSLATE_NOOP("CdTextOffer", "Titles on the disc"));

} // namespace vinaxo
