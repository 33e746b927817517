#pragma once
// Caps a text box at the characters its field can hold, and says so when a paste (or a
// text set by the program) was cut, instead of cutting it unseen when the file is written.
// The notice is short and non-modal: by default a tool tip at the box; a window with a
// status bar passes its own.
#include <QObject>
#include <QString>
#include <QStringView>
#include <functional>

class QLineEdit;
class QPlainTextEdit;

namespace vinaxo {

// Which characters go when a text is longer than `limit`: the excess just before
// `insertEnd` (the end of what was inserted last), so what was there before stays; a
// surrogate pair goes whole. `count` 0: nothing goes.
struct TextCut {
    qsizetype from = 0, count = 0;
};
TextCut CutForLimit(QStringView text, qsizetype insertEnd, qsizetype limit);

class TextLimit final : public QObject {
    Q_OBJECT
public:
    using Notice = std::function<void(const QString& notice)>;

    // The helper is a child of the box. A line edit's validator slot is taken by the cap.
    static TextLimit* cap(QLineEdit* box, int limit, const QString& field, Notice notice = {});
    static TextLimit* cap(QPlainTextEdit* box, int limit, const QString& field, Notice notice = {});

    // "Title takes at most 32767 characters: the rest was left out."
    static QString noticeText(const QString& field, int limit);

    int limit() const { return m_limit; }
    // How often this box had text cut.
    int cuts() const { return m_cuts; }

private:
    TextLimit(QObject* box, int limit, const QString& field, Notice notice);
    void cutPlain(QPlainTextEdit* box);
    void report(QWidget* box);
    friend class LimitValidator;

    int m_limit;
    QString m_field;
    Notice m_notice;
    int m_cuts = 0;
    int m_insertEnd = 0;
    bool m_cutting = false;
};

} // namespace vinaxo
