#pragma once
// One page of the preview, fitted into the widget, white on the window's dark shade.
#include <QWidget>

namespace vinaxo {

class PreviewSurface;

class PreviewPage : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPage(QWidget* parent = nullptr);
    void setPages(const PreviewSurface* pages) { m_pages = pages; update(); }
    void setPage(int index) { m_index = index; update(); }
    int page() const { return m_index; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PreviewSurface* m_pages = nullptr;
    int m_index = 0;
};

} // namespace vinaxo
