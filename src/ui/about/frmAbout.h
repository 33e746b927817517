#pragma once
// The about window. As the start-up splash it is shown modeless and closes itself when
// its timer fires, so the main window never waits for it; opened from Help > About its
// timer is off and it stays until OK.
#include <QDialog>
#include <QTimer>
#include <memory>

namespace Ui {
class frmAbout;
}

namespace vinaxo {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr int SplashMilliseconds = 2000;

    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

    // true: the timer closes the window SplashInterval ms after it is shown (or at
    // once counted from now when it is already visible); false: the timer is off.
    void setSplash(bool splash);
    bool isSplash() const { return m_splash; }
    void setSplashInterval(int milliseconds);
    int splashInterval() const { return m_timer.interval(); }
    bool timerActive() const { return m_timer.isActive(); }

    // The start-up splash: a new window, shown modeless, deleted when it closes.
    static frmAbout* showSplash(QWidget* parent);
    // Help > About: the window with its timer off, modal until OK.
    static void showAbout(QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void cmdOK_clicked();

    std::unique_ptr<Ui::frmAbout> ui;
    QTimer m_timer;
    bool m_splash = false;
};

} // namespace vinaxo
