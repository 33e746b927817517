#pragma once
// A one-line label that shows as much of its text as fits, with an ellipsis, and never
// asks for more room: a long text must not widen its window. text() stays whole, and
// the whole text is the tooltip when it does not fit.
#include <QLabel>

namespace vinaxo {

class ElidedLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vinaxo
