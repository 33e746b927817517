#include "ui/print/frmPrintPreview.h"
#include "print/PreviewSurface.h"
#include "ui_frmPrintPreview.h"

#include <QKeyEvent>

namespace vinaxo {

frmPrintPreview::frmPrintPreview(const PreviewSurface& pages, QWidget* parent)
    : QDialog(parent), m_pages(pages), m_ui(std::make_unique<Ui::frmPrintPreview>())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    m_ui->pgPage->setPages(&m_pages);
    connect(m_ui->PB_PreviousPage, &QPushButton::clicked, this, &frmPrintPreview::PB_PreviousPage_Click);
    connect(m_ui->PB_NextPage, &QPushButton::clicked, this, &frmPrintPreview::PB_NextPage_Click);
    connect(m_ui->PB_PrintPreview, &QPushButton::clicked, this, [this] { done(PrintRequested); });
    connect(m_ui->PB_ClosePreview, &QPushButton::clicked, this, &QDialog::reject);
    m_ui->TX_PreviewMessage->hide();
    showPage(0);
}

frmPrintPreview::~frmPrintPreview() = default;

int frmPrintPreview::currentPage() const
{
    return m_ui->pgPage->page();
}

int frmPrintPreview::pageCount() const
{
    return m_pages.pageCount();
}

void frmPrintPreview::progressed(int page, int pages)
{
    m_layoutPage = page;
    m_reportPages = pages;
    showPage(currentPage());
}

void frmPrintPreview::finished(const QString& problem)
{
    m_running = false;
    m_ui->TX_PreviewMessage->setText(problem);
    m_ui->TX_PreviewMessage->setVisible(!problem.isEmpty());
    m_ui->pgPage->setVisible(problem.isEmpty());
    m_ui->PB_PrintPreview->setEnabled(problem.isEmpty());
    showPage(currentPage());
}

void frmPrintPreview::showPage(int index)
{
    const int count = m_pages.pageCount();
    index = qBound(0, index, qMax(count - 1, 0));
    m_ui->pgPage->setPage(index);
    QString text = tr("Page %1 of %2").arg(count == 0 ? 0 : index + 1).arg(count);
    if (m_running && m_reportPages > 0)
        text += tr(" (laying out page %1 of %2...)").arg(qMin(m_layoutPage, m_reportPages)).arg(m_reportPages);
    else if (m_running)
        text += tr(" (laying out...)");
    m_ui->TX_PageNumber->setText(text);
    m_ui->PB_PreviousPage->setEnabled(index > 0);
    m_ui->PB_NextPage->setEnabled(index + 1 < count);
}

void frmPrintPreview::PB_PreviousPage_Click()
{
    showPage(currentPage() - 1);
}

void frmPrintPreview::PB_NextPage_Click()
{
    showPage(currentPage() + 1);
}

void frmPrintPreview::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageUp:
        showPage(currentPage() - 1);
        break;
    case Qt::Key_PageDown:
        showPage(currentPage() + 1);
        break;
    case Qt::Key_Home:
        showPage(0);
        break;
    case Qt::Key_End:
        showPage(m_pages.pageCount() - 1);
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace vinaxo
