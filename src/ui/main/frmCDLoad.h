#pragma once
// The small window shown while a collection file loads: its name and a progress bar.
// It is modal, so nothing the user does reaches the half-built collection.
#include "platform/IBusyPointer.h"

#include <QDialog>
#include <memory>

namespace Ui { class frmCDLoad; }

namespace vinaxo {

class frmCDLoad final : public QDialog, public IProgress {
    Q_OBJECT
public:
    explicit frmCDLoad(QWidget* parent = nullptr);
    ~frmCDLoad() override;

    void start(const QString& fileName);
    bool step(qint64 done, qint64 total) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::frmCDLoad> ui;
};

} // namespace vinaxo
