#include "ui/calc/frmCDCalc.h"
#include "model/Workspace.h"
#include "platform/IMessageService.h"
#include "ui/calc/NegativeText.h"
#include "ui/common/AppContext.h"
#include "ui/print/frmCDPRINT.h"
#include "ui_frmCDCalc.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QStringListModel>

namespace vinaxo {

namespace {
const QString WindowsSection = QStringLiteral("Windows");
const QString SizeKey = QStringLiteral("TapeCalculatorSize");
}

frmCDCalc::frmCDCalc(AppContext& ctx, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_ui(std::make_unique<Ui::frmCDCalc>()), m_session(ctx.ws.messages),
      m_tracks(new QStringListModel(this)), m_sides{new QStringListModel(this), new QStringListModel(this)}
{
    m_ui->setupUi(this);
    m_ui->LB_TrackList->setModel(m_tracks);
    m_ui->LB_Side1->setModel(m_sides[0]);
    m_ui->LB_Side2->setModel(m_sides[1]);
    // Minutes (up to the 16-bit range) and seconds; anything else cannot be typed.
    m_ui->TX_TotalTime->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\s*\\d{0,4}(:\\d{0,2})?\\s*")), m_ui->TX_TotalTime));

    connect(m_ui->PB_AddCol, &QPushButton::clicked, this, &frmCDCalc::PB_AddCol_Click);
    connect(m_ui->LB_TrackList, &QListView::doubleClicked, this, &frmCDCalc::PB_AddCol_Click);
    connect(m_ui->PB_CopyAll, &QPushButton::clicked, this, &frmCDCalc::PB_CopyAll_Click);
    connect(m_ui->PB_DelCol, &QPushButton::clicked, this, &frmCDCalc::PB_DelCol_Click);
    connect(m_ui->PB_SwapSides, &QPushButton::clicked, this, &frmCDCalc::PB_SwapSides_Click);
    connect(m_ui->PB_Clear, &QPushButton::clicked, this, &frmCDCalc::PB_Clear_Click);
    connect(m_ui->PB_Clipboard, &QPushButton::clicked, this, &frmCDCalc::PB_Clipboard_Click);
    connect(m_ui->PB_Print, &QPushButton::clicked, this, &frmCDCalc::PB_Print_Click);
    connect(m_ui->PB_Close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->TX_TotalTime, &QLineEdit::textChanged, this, &frmCDCalc::TX_TotalTime_Change);
    connect(m_ui->HS_TotalTime, &QScrollBar::valueChanged, this, &frmCDCalc::HS_TotalTime_Change);
    connect(m_ui->RB_Side1, &QRadioButton::clicked, this, &frmCDCalc::RB_Side_Click);
    connect(m_ui->RB_Side2, &QRadioButton::clicked, this, &frmCDCalc::RB_Side_Click);
    for (int s : {1, 2}) {
        QListView* list = sideList(s);
        // A click (or the focus) in a side's list makes that side current; a double
        // click then moves the row to the other side.
        list->installEventFilter(this);
        connect(list, &QListView::pressed, this, [this, s] { selectSide(s); });
        connect(list, &QListView::doubleClicked, this, [this, s] {
            selectSide(s);
            PB_SwapSides_Click();
        });
    }

    const QSize size = ctx.ws.config.extraValue(WindowsSection, SizeKey).toSize();
    if (size.isValid())
        resize(size);

    m_ui->RB_Side1->setChecked(true);
    m_ui->TX_TotalTime->setText(QStringLiteral("90:00"));
    LoadRecording();
    ShowSides();
}

frmCDCalc::~frmCDCalc() = default;

void frmCDCalc::done(int result)
{
    m_ctx.ws.config.setExtraValue(WindowsSection, SizeKey, size());
    QDialog::done(result);
}

void frmCDCalc::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        LoadRecording();
    QDialog::showEvent(event);
}

bool frmCDCalc::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_ui->LB_Side1)
            selectSide(1);
        else if (watched == m_ui->LB_Side2)
            selectSide(2);
    }
    return QDialog::eventFilter(watched, event);
}

QListView* frmCDCalc::sideList(int side) const
{
    return side == 2 ? m_ui->LB_Side2 : m_ui->LB_Side1;
}

int frmCDCalc::selectedRow(QListView* list) const
{
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void frmCDCalc::selectSide(int side)
{
    m_session.setCurrentSide(side);
    (side == 2 ? m_ui->RB_Side2 : m_ui->RB_Side1)->setChecked(true);
}

void frmCDCalc::LoadRecording()
{
    const CEntry* entry = m_ctx.ws.entries.CurrEntry();
    m_ui->TX_CDTitle->setText(entry ? entry->CDTitle : QString());
    m_ui->TX_CDArtist->setText(entry ? entry->CDArtist : QString());
    m_ui->TX_CDTitle->setCursorPosition(0);
    m_ui->TX_CDArtist->setCursorPosition(0);
    if (entry)
        m_session.load(*entry);
    m_tracks->setStringList(m_session.availableRows());
}

void frmCDCalc::ShowSides(int select)
{
    for (int s : {1, 2}) {
        m_sides[s - 1]->setStringList(m_session.sideTexts(s));
        if (s == m_session.currentSide() && select >= 0) {
            const int rows = m_sides[s - 1]->rowCount();
            if (rows > 0)
                sideList(s)->setCurrentIndex(m_sides[s - 1]->index(qMin(select, rows - 1)));
        }
    }
    m_ui->TX_Side1Time->setText(m_session.total(1));
    m_ui->TX_Side2Time->setText(m_session.total(2));
    ShowTimes();
}

void frmCDCalc::ShowTimes()
{
    for (auto [box, side] : {std::pair{m_ui->TX_Side1Left, 1}, {m_ui->TX_Side2Left, 2}})
        ShowSignedTime(box, m_session.remaining(side));
}

void frmCDCalc::TX_TotalTime_Change(const QString& text)
{
    m_session.setTapeLength(text.trimmed());
    ShowTimes();
}

void frmCDCalc::HS_TotalTime_Change(int minutes)
{
    m_ui->TX_TotalTime->setText(TapeSession::lengthForMinutes(minutes));
}

void frmCDCalc::RB_Side_Click()
{
    m_session.setCurrentSide(m_ui->RB_Side2->isChecked() ? 2 : 1);
}

void frmCDCalc::PB_AddCol_Click()
{
    if (m_session.add(selectedRow(m_ui->LB_TrackList)))
        ShowSides();
}

void frmCDCalc::PB_CopyAll_Click()
{
    m_session.addAll();
    ShowSides();
}

void frmCDCalc::PB_DelCol_Click()
{
    const int row = selectedRow(sideList(m_session.currentSide()));
    if (m_session.remove(row))
        ShowSides(row); // the next row is selected, so that several can be deleted in turn
}

void frmCDCalc::PB_SwapSides_Click()
{
    const int row = selectedRow(sideList(m_session.currentSide()));
    if (m_session.moveToOtherSide(row))
        ShowSides(row);
}

void frmCDCalc::PB_Clear_Click()
{
    m_session.clear();
    ShowSides();
}

void frmCDCalc::PB_Clipboard_Click()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(ClipboardText(m_session.tables()));
    m_ctx.ws.messages.show(tr("All entries have been copied to the Windows clipboard.  "
                              "You may now switch to another program and use the paste function.  "),
                           tr("Copied to Clipboard"), MsgIcon::Information);
}

void frmCDCalc::PB_Print_Click()
{
    frmCDPRINT print(m_ctx, this);
    print.PrintCalcReport(m_session.tables());
    print.exec();
}

} // namespace vinaxo
