#pragma once

#include <QDialog>
#include <QTimer>

#include <functional>

namespace shell {

// The splash window: shows the splash picture for two seconds or until it
// is clicked, then opens the start window and closes itself.
class w_flash : public QDialog
{
    Q_OBJECT

public:
    // `openNext` opens the window that follows the splash (the start window).
    explicit w_flash(std::function<void()> openNext, QWidget *parent = nullptr);

    static constexpr int kTimerPeriodMs = 2000;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void reject() override;

private:
    void handOver();

    std::function<void()> m_openNext;
    QTimer m_timer;
    bool m_handedOver = false;
};

} // namespace shell
