#include "ui/common/TextLimit.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QToolTip>
#include <QValidator>

namespace vinaxo {

TextCut CutForLimit(QStringView text, qsizetype insertEnd, qsizetype limit)
{
    const qsizetype excess = text.size() - qMax<qsizetype>(limit, 0);
    if (excess <= 0)
        return {};
    qsizetype end = qBound(excess, insertEnd, text.size());
    qsizetype from = end - excess;
    const auto splitsPair = [&](qsizetype at) {
        return at > 0 && at < text.size() && text[at - 1].isHighSurrogate() && text[at].isLowSurrogate();
    };
    if (splitsPair(from))
        --from;
    if (splitsPair(end))
        ++end;
    return {from, end - from};
}

// A line edit cuts an insert at its maximum length before anyone sees it; with room for
// one character more, the validator sees that the text grew too long and cuts it with a
// notice. The line edit applies the validator's text as the result of the edit.
class LimitValidator final : public QValidator {
public:
    LimitValidator(TextLimit* limit, QLineEdit* box) : QValidator(box), m_limit(limit), m_box(box) {}
    State validate(QString& input, int& pos) const override
    {
        const TextCut cut = CutForLimit(input, pos, m_limit->m_limit);
        if (cut.count > 0) {
            input.remove(cut.from, cut.count);
            pos = int(cut.from);
            m_limit->report(m_box);
        }
        return Acceptable;
    }

private:
    TextLimit* m_limit;
    QLineEdit* m_box;
};

TextLimit::TextLimit(QObject* box, int limit, const QString& field, Notice notice)
    : QObject(box), m_limit(qMax(limit, 0)), m_field(field), m_notice(std::move(notice))
{
}

QString TextLimit::noticeText(const QString& field, int limit)
{
    return QCoreApplication::translate("TextLimit", "%1 takes at most %2 characters: the rest was left out.")
        .arg(field)
        .arg(limit);
}

TextLimit* TextLimit::cap(QLineEdit* box, int limit, const QString& field, Notice notice)
{
    auto* t = new TextLimit(box, limit, field, std::move(notice));
    box->setValidator(new LimitValidator(t, box));
    box->setMaxLength(t->m_limit + 1);
    if (box->text().size() > t->m_limit)
        box->setText(box->text()); // through the validator
    return t;
}

TextLimit* TextLimit::cap(QPlainTextEdit* box, int limit, const QString& field, Notice notice)
{
    auto* t = new TextLimit(box, limit, field, std::move(notice));
    connect(box->document(), &QTextDocument::contentsChange, t,
            [t](int position, int, int added) { t->m_insertEnd = position + added; });
    connect(box, &QPlainTextEdit::textChanged, t, [t, box] { t->cutPlain(box); });
    t->m_insertEnd = box->document()->characterCount() - 1;
    t->cutPlain(box);
    return t;
}

void TextLimit::cutPlain(QPlainTextEdit* box)
{
    QTextDocument* doc = box->document();
    if (m_cutting || doc->characterCount() - 1 <= m_limit)
        return;
    const QScopedValueRollback<bool> guard(m_cutting, true);
    const QString text = box->toPlainText(); // one character per document position
    const TextCut cut = CutForLimit(text, m_insertEnd, m_limit);
    QTextCursor cursor(doc);
    cursor.setPosition(int(cut.from));
    cursor.setPosition(int(cut.from + cut.count), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    // Undoing the cut alone would bring the long text back only to be cut again, and
    // the paste could never be undone: the box starts a fresh undo history instead.
    doc->clearUndoRedoStacks();
    report(box);
}

void TextLimit::report(QWidget* box)
{
    ++m_cuts;
    const QString text = noticeText(m_field, m_limit);
    if (m_notice)
        m_notice(text);
    else if (box->isVisible())
        QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), text, box);
}

} // namespace vinaxo
