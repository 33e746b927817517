#pragma once
// The tape calculator: plans which tracks of the current recording go on side 1 and
// side 2 of a cassette. The rules live in TapeSession; this window shows and routes.
#include "calc/TapeSession.h"

#include <QDialog>
#include <memory>

class QListView;
class QStringListModel;

namespace Ui {
class frmCDCalc;
}

namespace vinaxo {

struct AppContext;

class frmCDCalc : public QDialog {
    Q_OBJECT
public:
    // Works on the collection's current recording.
    explicit frmCDCalc(AppContext& ctx, QWidget* parent = nullptr);
    ~frmCDCalc() override;

    // Closing keeps the window's size for the next opening.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    void PB_AddCol_Click();
    void PB_CopyAll_Click();
    void PB_DelCol_Click();
    void PB_SwapSides_Click();
    void PB_Clear_Click();
    void PB_Clipboard_Click();
    void PB_Print_Click();
    void TX_TotalTime_Change(const QString& text);
    void HS_TotalTime_Change(int minutes);
    void RB_Side_Click();

private:
    void LoadRecording();
    // Shows both sides and their times; `select` is the row to select on the current side.
    void ShowSides(int select = -1);
    void ShowTimes();
    void selectSide(int side);
    int selectedRow(QListView* list) const;
    QListView* sideList(int side) const;

    AppContext& m_ctx;
    std::unique_ptr<Ui::frmCDCalc> m_ui;
    TapeSession m_session;
    QStringListModel* m_tracks;
    QStringListModel* m_sides[2];
};

} // namespace vinaxo
