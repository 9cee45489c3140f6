// Shared set-up of the calculation window tests: the main window on the
// worked example with its calculation commands wired to a CalcOpener, and
// helpers that act on the window as a user does (choose from a list, type
// into a box and leave it with Tab, click a button).
#pragma once

#include "gui/calc/calcopener.h"
#include "gui/calc/calcwindow.h"
#include "testing/findwidget.h"
#include "testing/mainwindowfixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace tarvik::gui::testing {

struct CalcFixture : WorkedWindow
{
    CalcOpener calc;

    explicit CalcFixture(const Settings &initial = {})
        : WorkedWindow(initial, false, hooksFor(this))
        , calc(platform, shippedData(), *document, settings)
    {
        calc.setMainWindow(window.get());
    }

    static MainWindowHooks hooksFor(CalcFixture *self)
    {
        MainWindowHooks hooks;
        hooks.openCalc = [self](CalcMode mode, int side) { self->calc.open(mode, side); };
        return hooks;
    }

    // The window a command opened, once it is active.
    CalcWindow *shown() const
    {
        CalcWindow *w = calc.window();
        if (w && !QTest::qWaitForWindowActive(w)) {
            return nullptr;
        }
        return w;
    }
    CalcWindow *openCalc(CalcMode mode, int side = kSideRight)
    {
        calc.open(mode, side);
        return shown();
    }
    void trigger(const char *actionName)
    {
        window->action(QString::fromLatin1(actionName))->trigger();
    }
};

// The window's controls, by their object names: row k's caption, box and
// list, output j's value and the buttons (CalcAccept, CalcCancel, CalcHelp,
// CalcPrint).
inline QLabel *caption(CalcWindow *w, int k)
{
    return child<QLabel>(w, QStringLiteral("CalcSpec%1").arg(k));
}
inline QLineEdit *box(CalcWindow *w, int k)
{
    return child<QLineEdit>(w, QStringLiteral("CalcData%1").arg(k));
}
inline QComboBox *choice(CalcWindow *w, int k)
{
    return child<QComboBox>(w, QStringLiteral("CalcCombo%1").arg(k));
}
inline QLabel *outputValue(CalcWindow *w, int j)
{
    return child<QLabel>(w, QStringLiteral("CalcOutData%1").arg(j));
}
inline QPushButton *button(CalcWindow *w, const char *name)
{
    return child<QPushButton>(w, name);
}

// A list item chosen in the list's popup, as a click on it chooses it.
inline void choose(CalcWindow *w, int row, int index)
{
    QComboBox *list = choice(w, row);
    list->setFocus(Qt::MouseFocusReason);
    list->showPopup();
    QAbstractItemView *view = list->view();
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    // The offscreen platform leaves the activation with the closed popup;
    // a window system gives it back to the window.
    w->activateWindow();
    QTRY_VERIFY(QGuiApplication::focusWindow() == w->windowHandle());
}

// Typed into a box (replacing its text) and left with Tab.
inline void typeInto(QLineEdit *box, const QString &text)
{
    box->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
    QApplication::processEvents();
    QApplication::processEvents();
}

inline void typeInto(CalcWindow *w, int row, const QString &text)
{
    typeInto(box(w, row), text);
}

inline void click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
}

// Closed: hidden and waiting for its deletion, or deleted already (a closed
// window deletes itself once events run, so tests hold it in a QPointer).
inline bool closed(const QPointer<CalcWindow> &w)
{
    return !w || (w->isClosing() && !w->isVisible());
}

} // namespace tarvik::gui::testing
