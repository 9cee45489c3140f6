// The owner of the calculation window: opens it in a mode for the main
// window's Shim Right/Left items, its "Camber Gain Definition Specs" item
// and its "Calc" button, and for the table window's "Specs for Table Rows &
// Columns" (CalcMode::TableSpec). There is at most one calculation window: opening
// closes the one that is up. A mode that cannot open (unusual geometry for
// the shims, a definition file missing or not fitting the mode) shows the
// core's message and opens nothing.
//
// It also keeps the shim calculator's accepted choices per side, offered
// again when that side is opened, until the layout is replaced (File New or
// File Open), and closes a shim calculator whose layout was changed under it.
#pragma once

#include "core/calc/calcsession.h"
#include "gui/platform/datafolder.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <optional>

class QWidget;

namespace tarvik::gui {

class CalcWindow;
class LayoutDocument;
class Platform;
class SettingsOwner;
struct LayoutChange;

class CalcOpener : public QObject
{
    Q_OBJECT
public:
    CalcOpener(Platform &platform, const DataFolder &data, LayoutDocument &document,
        SettingsOwner &settings, QObject *parent = nullptr);

    // The window the calculation window stays above (the main window).
    void setMainWindow(QWidget *window) { m_mainWindow = window; }

    // Opens the window in a mode; shimSide kSideRight or kSideLeft
    // for the shims, ignored otherwise. opener: the window that asked, when it is
    // not the main window. Returns the window, or nullptr when it could not
    // open.
    CalcWindow *open(CalcMode mode, int shimSide = kSideRight, QWidget *opener = nullptr);
    // The open one, if any; never one that is closing. The window deletes
    // itself once closed: whoever keeps it keeps a QPointer.
    CalcWindow *window() const;

    std::optional<ShimChoices> shimChoices(int side) const;

private:
    void follow(const LayoutChange &change);

    Platform &m_platform;
    DataFolder m_data;
    LayoutDocument &m_document;
    SettingsOwner &m_settings;
    QPointer<QWidget> m_mainWindow;
    QPointer<CalcWindow> m_window;
    std::array<std::optional<ShimChoices>, 2> m_shimChoices; // by side
};

} // namespace tarvik::gui
