// The start-up splash: a drawn front view of a double A-arm suspension under
// the program's name, shown for a fixed time while the main window waits.
#include "gui/support/splashwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace tarvik::gui {

SplashWindow::SplashWindow(QWidget *mainWindow, int displayMs)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_mainWindow(mainWindow)
{
    // Not a child of the main window: disabling the main window would disable it too.
    setObjectName(QStringLiteral("splash"));
    resize(sizeHint());
    m_timer.setSingleShot(true);
    m_timer.setInterval(displayMs);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::close);
}

SplashWindow::~SplashWindow()
{
    if (m_running) {
        QApplication::restoreOverrideCursor();
    }
}

void SplashWindow::start()
{
    if (m_running) {
        return;
    }
    m_running = true;
    if (m_mainWindow) {
        m_mainWindow->setEnabled(false);
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QWidget *anchor = m_mainWindow ? m_mainWindow.data() : nullptr;
    const QRect area = anchor && anchor->isVisible()
        ? anchor->frameGeometry()
        : (QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                            : QRect(0, 0, 1024, 768));
    move(area.center() - rect().center());
    show();
    raise();
    m_timer.start();
}

void SplashWindow::closeEvent(QCloseEvent *event)
{
    finish();
    event->accept();
}

void SplashWindow::finish()
{
    if (!m_running) {
        return;
    }
    m_running = false;
    m_timer.stop();
    QApplication::restoreOverrideCursor();
    if (m_mainWindow) {
        m_mainWindow->setEnabled(true);
        m_mainWindow->show();
        m_mainWindow->raise();
    }
    // Out of sight before start-up goes on: what follows may open modal
    // windows from inside this close.
    hide();
    emit finished();
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(24, 44, 84));
    sky.setColorAt(1, QColor(70, 96, 140));
    p.fillRect(r, sky);
    p.setPen(QPen(QColor(255, 255, 255, 160), 2));
    p.drawRect(r.adjusted(1, 1, -2, -2));

    // A front view: chassis box, two arms a side, knuckles and tyres, with
    // dashed instant-centre lines meeting under the car.
    const double ground = r.height() - 40;
    const double cx = r.width() / 2;
    p.setPen(QPen(QColor(220, 220, 220), 2));
    p.drawLine(QPointF(20, ground), QPointF(r.width() - 20, ground));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(cx - 70, ground - 120, 140, 70));
    for (const int side : { -1, 1 }) {
        const double tyreX = cx + side * 170;
        p.setBrush(QColor(25, 25, 25));
        p.setPen(QPen(QColor(200, 200, 200), 2));
        p.drawRoundedRect(QRectF(tyreX - 22, ground - 110, 44, 110), 8, 8);
        const QPointF upperBall(tyreX - side * 30, ground - 92);
        const QPointF lowerBall(tyreX - side * 32, ground - 30);
        const QPointF upperPivot(cx + side * 60, ground - 104);
        const QPointF lowerPivot(cx + side * 62, ground - 58);
        p.setPen(QPen(QColor(250, 200, 60), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(upperPivot, upperBall);
        p.drawLine(lowerPivot, lowerBall);
        p.setPen(QPen(QColor(240, 240, 240), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(upperBall, lowerBall);
        p.setPen(QPen(QColor(140, 200, 255), 1, Qt::DashLine));
        p.drawLine(upperBall, upperBall + (upperPivot - upperBall) * 2.4);
        p.drawLine(lowerBall, lowerBall + (lowerPivot - lowerBall) * 2.4);
    }
    p.setBrush(QColor(255, 90, 70));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(cx, ground - 18), 5, 5);

    p.setPen(Qt::white);
    QFont title = font();
    title.setPointSize(30);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRectF(0, 14, r.width(), 52), Qt::AlignHCenter | Qt::AlignVCenter,
        QStringLiteral("Tarvik"));
    QFont maker = font();
    maker.setPointSize(12);
    p.setFont(maker);
    p.drawText(QRectF(0, 64, r.width(), 24), Qt::AlignHCenter | Qt::AlignVCenter,
        QStringLiteral("Quellmark Inc."));
}

} // namespace tarvik::gui
