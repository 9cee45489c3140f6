// Shared set-up of the main-window tests: a window on the shipped data with
// scripted dialogs, shown and active, and helpers that act as a user would
// (type into a box and leave it, click a widget).
#pragma once

#include "gui/platform/datafolder.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/platform/scriptedplatform.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace tarvik::gui::testing {

inline DataFolder shippedData()
{
    return DataFolder(QStringLiteral(TARVIK_DATA_DIR));
}

inline QString exampleFile(const QString &name)
{
    return shippedData().path(QStringLiteral("tkfiles/") + name);
}

struct WindowFixture
{
    ScriptedPlatform platform;
    std::unique_ptr<MainWindow> window;

    explicit WindowFixture(
        const MainOptions &options = {}, bool extendedRoll = false, MainWindowHooks hooks = {})
    {
        window = std::make_unique<MainWindow>(
            platform, shippedData(), options, extendedRoll, std::move(hooks));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        // Start with no box holding the focus, as after a click on the picture.
        if (QWidget *focused = QApplication::focusWidget()) {
            focused->clearFocus();
        }
        QApplication::processEvents();
    }

    QLineEdit *box(int entry) const { return window->box(entry); }
    QString text(int entry) const { return window->box(entry)->text(); }

    // Focus the box and replace its text by typing; the box keeps the focus.
    void typeWithoutLeaving(int entry, const QString &typed)
    {
        QLineEdit *edit = box(entry);
        edit->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
    }

    // Focus the box, replace its text by typing, and leave it with Enter.
    void type(int entry, const QString &typed)
    {
        typeWithoutLeaving(entry, typed);
        QTest::keyClick(box(entry), Qt::Key_Return);
        QApplication::processEvents();
        QApplication::processEvents();
    }

    void open(const QString &name) { QVERIFY(window->openFile(exampleFile(name))); }
};

// The same window with the shipped worked example open, as most tests start.
struct WorkedWindow : WindowFixture
{
    explicit WorkedWindow(
        const MainOptions &options = {}, bool extendedRoll = false, MainWindowHooks hooks = {})
        : WindowFixture(options, extendedRoll, std::move(hooks))
    {
        open(QStringLiteral("WORKED.TK"));
    }
};

} // namespace tarvik::gui::testing
