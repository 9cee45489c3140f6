// The splash window shown over the main window at start-up.
//
// It carries the captions "Tarvik" and "Quellmark Inc." over a drawing of a
// front suspension, shows the busy pointer and keeps the main window disabled
// until its one-shot timer (3000 ms) fires. Then it closes, gives the main
// window back and emits finished(), where start-up goes on with the intro
// messages and the warning window. It may be made to delete itself on close
// (Qt::WA_DeleteOnClose); finished() is emitted before that.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace tarvik::gui {

class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kDisplayMs = 3000;

    explicit SplashWindow(QWidget *mainWindow = nullptr, int displayMs = kDisplayMs);
    ~SplashWindow() override;

    // Disables the main window, sets the busy pointer, shows the splash and
    // starts the timer.
    void start();
    bool isRunning() const { return m_running; }
    int displayMs() const { return m_timer.interval(); }

    QSize sizeHint() const override { return { 480, 300 }; }

signals:
    void finished();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void finish();

    QPointer<QWidget> m_mainWindow;
    QTimer m_timer;
    bool m_running = false;
};

} // namespace tarvik::gui
