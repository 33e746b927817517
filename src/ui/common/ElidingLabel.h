#pragma once
// A one-line label for texts the user wrote (a status panel, a title shown by a window):
// however long the text, the label asks for no more room than a few characters and shows
// the text cut with an ellipsis to the width it has; the tool tip shows more of it.
// text() stays the whole text.
#include <QLabel>

namespace vinaxo {

class ElidingLabel : public QLabel {
public:
    explicit ElidingLabel(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The text as it fits the label's width now (line breaks shown as blanks).
    QString shownText() const;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

} // namespace vinaxo
