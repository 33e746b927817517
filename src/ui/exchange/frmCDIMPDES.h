#pragma once
// The import/export window: direction, data file, delimiters and the ordered field list
// (saved to and read from definition files), and the run with its log. The run itself,
// the file formats and the questions about files are the exchange library's.
#include "ui/common/AppContext.h"
#include "ui/exchange/ExchangeLogModel.h"
#include "ui/exchange/ExchangeRunner.h"

#include <QDialog>
#include <memory>

namespace Ui {
class frmCDIMPDES;
}

namespace vinaxo {

namespace exchange {
struct ExchangeState;
}

class frmCDIMPDES final : public QDialog {
    Q_OBJECT
public:
    // Run with exec(), after the main window has rebuilt its key sequence in the order
    // its list shows. Only ctx.exchange outlives the window.
    explicit frmCDIMPDES(AppContext& ctx, QWidget* parent = nullptr);
    ~frmCDIMPDES() override;

    // Appends the field of this catalogue name to the selected-field table.
    void AddToColTable(const QString& name, const QString& width);
    // The catalogue number of a field name (trailing blanks and letter case ignored); 0
    // when there is none.
    static qint16 FindColID(const QString& name);

    bool isRunning() const { return m_running; }
    // Runs work in slices of about this long between turns of the event loop.
    void setRunSlice(std::chrono::milliseconds slice) { m_runner.setSlice(slice); }

Q_SIGNALS:
    // An import or export has ended (completed, failed or cancelled) and the controls are back.
    void runEnded();

public Q_SLOTS:
    // During a run: stops it (the window stays, showing the log). Otherwise closes the
    // window, as "C&lose" does.
    void done(int result) override;

private:
    void RB_Import_Click();
    void RB_Export_Click();
    void PB_SelectFile_Click();
    void PB_AddCol_Click();
    void PB_DelCol_Click();
    void PB_Clear_Click();
    void PB_OpenDef_Click();
    void PB_SaveDef_Click();
    void PB_Import_Click();
    void PB_Close_Click();
    void copyLog();
    void saveLog();

    void setDirection(QChar direction);
    void refillSelectedList();
    void setRunning(bool running);
    void runFinished();

    AppContext& m_ctx;
    exchange::ExchangeState& m_state;
    std::unique_ptr<Ui::frmCDIMPDES> m_ui;
    ExchangeLogModel m_log;
    ExchangeRunner m_runner; // after the log, which it writes to until it has gone
    bool m_running = false;
    bool m_imported = false; // an import ran: the main list's flags are set
};

} // namespace vinaxo
