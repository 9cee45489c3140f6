// Shared set-up of the main-window tests: a window on the shipped data with
// scripted dialogs, shown and active, and helpers that act as a user would
// (type into a box and leave it, click a widget).
#pragma once

#include "core/layout/entry.h"
#include "gui/document/layoutdocument.h"
#include "gui/document/settingsowner.h"
#include "gui/document/vehiclefolders.h"
#include "gui/mainwin/filecommands.h"
#include "gui/mainwin/mainwindow.h"
#include "gui/platform/datafolder.h"
#include "gui/platform/scriptedplatform.h"
#include "testing/findwidget.h"

#include <QApplication>
#include <QLabel>
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

// An entry's box in the main window (SpecDataN, the dive and roll boxes too).
inline QLineEdit *entryBox(const QWidget *window, int entry)
{
    return child<QLineEdit>(window, QStringLiteral("SpecData%1").arg(entry));
}

// The window with its document and settings, as start-up makes them.
struct WindowFixture
{
    ScriptedPlatform platform;
    SettingsOwner settings;
    VehicleFolders folders { QString(), shippedData().path(QStringLiteral("tkfiles")), QString() };
    std::unique_ptr<LayoutDocument> document;
    std::unique_ptr<MainWindow> window;

    explicit WindowFixture(
        const Settings &initial = {}, bool extendedRoll = false, MainWindowHooks hooks = {})
        : settings(initial)
    {
        document = std::make_unique<LayoutDocument>(
            settings, shippedData().path(QStringLiteral("tkfiles")));
        window = std::make_unique<MainWindow>(
            platform, shippedData(), settings, *document, folders, extendedRoll, std::move(hooks));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        // Start with no box holding the focus, as after a click on the picture.
        if (QWidget *focused = QApplication::focusWidget()) {
            focused->clearFocus();
        }
        QApplication::processEvents();
    }

    // The window's widgets, by their object names.
    template <class T = QWidget> T *widget(const char *name) const
    {
        return child<T>(window.get(), name);
    }
    QLineEdit *box(int entry) const { return entryBox(window.get(), entry); }
    bool hasBox(int entry) const // false for a result-only entry
    {
        return window->findChild<QLineEdit *>(QStringLiteral("SpecData%1").arg(entry)) != nullptr;
    }
    QLabel *result(int entry) const
    {
        return child<QLabel>(window.get(), QStringLiteral("Result%1").arg(entry));
    }
    QLabel *track(int index) const // right, total, left
    {
        return child<QLabel>(window.get(), QStringLiteral("Track%1").arg(index));
    }
    QString helpText() const { return widget<QLabel>("HelpText")->text(); }
    bool changed() const { return document->isChanged(); }
    // An entry given a text as a file would give it: nothing left to save.
    void setEntry(int entry, const QString &text)
    {
        document->setEntries({ { Entry::numbered(entry).value(), text } });
        document->setChanged(false);
    }
    QString text(int entry) const { return box(entry)->text(); }

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

    // The same by name.
    QLineEdit *box(Entry entry) const { return box(entry.number()); }
    QLabel *result(Entry entry) const { return result(entry.number()); }
    void setEntry(Entry entry, const QString &text) { setEntry(entry.number(), text); }
    QString text(Entry entry) const { return text(entry.number()); }
    void typeWithoutLeaving(Entry entry, const QString &typed)
    {
        typeWithoutLeaving(entry.number(), typed);
    }
    void type(Entry entry, const QString &typed) { type(entry.number(), typed); }

    void open(const QString &name) { QVERIFY(window->files().openFile(exampleFile(name))); }
};

// The same window with the shipped worked example open, as most tests start.
struct WorkedWindow : WindowFixture
{
    explicit WorkedWindow(
        const Settings &initial = {}, bool extendedRoll = false, MainWindowHooks hooks = {})
        : WindowFixture(initial, extendedRoll, std::move(hooks))
    {
        open(QStringLiteral("WORKED.TK"));
    }
};

} // namespace tarvik::gui::testing
