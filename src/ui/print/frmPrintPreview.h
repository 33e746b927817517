#pragma once
// The preview of a report: its pages one at a time, fitted to the window, shown while
// the report is still being laid out. "Print..." closes it and goes on to the printer;
// closing it while the report is laid out stops the layout.
#include <QDialog>
#include <memory>

namespace Ui {
class frmPrintPreview;
}

namespace vinaxo {

class PreviewSurface;

class frmPrintPreview : public QDialog {
    Q_OBJECT
public:
    // exec() returns this when the user chose "Print...".
    static constexpr int PrintRequested = 2;

    explicit frmPrintPreview(const PreviewSurface& pages, QWidget* parent = nullptr);
    ~frmPrintPreview() override;

    // The report has reached this page of (when counted) so many.
    void progressed(int page, int pages);
    // The report has ended; a problem says why it laid out no page, and Print is refused.
    void finished(const QString& problem = QString());
    bool running() const { return m_running; }
    int currentPage() const; // from 0
    int pageCount() const;
    const PreviewSurface& pages() const { return m_pages; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private Q_SLOTS:
    void PB_PreviousPage_Click();
    void PB_NextPage_Click();

private:
    void showPage(int index);

    const PreviewSurface& m_pages;
    std::unique_ptr<Ui::frmPrintPreview> m_ui;
    bool m_running = true;
    int m_reportPages = 0; // the report's pages, once counted
    int m_layoutPage = 0;  // the page being laid out
};

} // namespace vinaxo
