// Placing windows on the screen; see screenplacement.h.
#include "gui/common/screenplacement.h"

#include "core/support/windowplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace tarvik::gui {

namespace {

QPointer<QWidget> &inputArea()
{
    static QPointer<QWidget> area;
    return area;
}

ScreenRect screenRect(const QRect &r)
{
    return { r.x(), r.y(), r.width(), r.height() };
}

// The window manager's frame around a window: its own once it has one, else
// the main window's, which the same window manager framed alike.
QMargins frameMargins(const QWidget *window, const QWidget *mainWindow)
{
    for (const QWidget *w : { window, mainWindow }) {
        if (w && w->isVisible() && w->frameGeometry() != w->geometry()) {
            const QRect frame = w->frameGeometry();
            const QRect client = w->geometry();
            return { client.left() - frame.left(), client.top() - frame.top(),
                frame.right() - client.right(), frame.bottom() - client.bottom() };
        }
    }
    return {};
}

class PlacementFilter : public QObject
{
public:
    explicit PlacementFilter(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        m_check.setInterval(100);
        connect(&m_check, &QTimer::timeout, this, &PlacementFilter::check);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show) {
            m_beside = !m_placed;
            m_placed = true;
            placeOnScreen(m_window, m_beside);
            m_checksLeft = 30;
            m_check.start();
        }
        return false;
    }

private:
    // Placed once more when the window manager has framed the window: the
    // first window of a run is placed before any frame is known, and a
    // window manager may still put a new window where its own policy says.
    void check()
    {
        if (!m_window->isVisible() || --m_checksLeft <= 0) {
            m_check.stop();
            return;
        }
        if (m_window->frameGeometry() == m_window->geometry()) {
            return; // not framed yet
        }
        m_check.stop();
        placeOnScreen(m_window, m_beside);
    }

    QWidget *m_window;
    QTimer m_check;
    int m_checksLeft = 0;
    bool m_placed = false;
    bool m_beside = false;
};

} // namespace

void setInputArea(QWidget *inputs)
{
    inputArea() = inputs;
}

void keepOnScreen(QWidget *window)
{
    window->installEventFilter(new PlacementFilter(window));
}

void placeOnScreen(QWidget *window, bool besideInputs)
{
    const QWidget *inputs = inputArea();
    const QWidget *mainWindow = inputs ? inputs->window() : nullptr;
    const QWidget *anchor = mainWindow && mainWindow->isVisible() ? mainWindow : window;
    const QScreen *screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QMargins margins = frameMargins(window, mainWindow);
    const QRect frame = window->geometry().marginsAdded(margins);
    ScreenRect keepClear;
    if (besideInputs && inputs && inputs->isVisible() && mainWindow != window) {
        keepClear = screenRect(QRect(inputs->mapToGlobal(QPoint(0, 0)), inputs->size()));
    }
    const QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
    const ScreenRect placed
        = placeWindow(screenRect(frame), screenRect(screen->availableGeometry()), keepClear,
            minimum.width() + margins.left() + margins.right(),
            minimum.height() + margins.top() + margins.bottom());
    // The client area inside the placed frame. Set as such: before the
    // window manager has framed a window, a frame position given to move()
    // lands on the client area instead.
    const QRect client(placed.x + margins.left(), placed.y + margins.top(),
        placed.width - margins.left() - margins.right(),
        placed.height - margins.top() - margins.bottom());
    window->setGeometry(QRect(client.topLeft(), client.size().expandedTo(window->minimumSize())));
}

} // namespace tarvik::gui
