#pragma once
// The preview of a report: its pages one at a time, fitted to the window, shown while
// the report is still being laid out. "Print..." closes it and goes on to the printer.
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

    // The report laid out more pages, or ended (complete or not).
    void pagesAdded();
    void finished();
    bool running() const { return m_running; }
    int currentPage() const; // from 0
    int pageCount() const;

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
};

} // namespace vinaxo
