// The start-up warning window and the decimal-symbol check that runs when it
// closes.
//
// It shows the text of "WARNING.TXT" (lines kept as written) in one label with
// one button below. The button, or the window losing the focus, closes it.
// A text of exactly three spaces hides the button. When a window of the
// start-up kind closes, the system's number formatting is checked, and the
// decimal-symbol window opens if it writes a decimal comma.
#pragma once

#include "core/support/warningtext.h"
#include "gui/common/transientdialog.h"
#include "gui/support/decimalsymbolwindow.h"

#include <QLocale>
#include <QPointer>
#include <functional>

class QLabel;
class QPushButton;

namespace tarvik::gui {

class Platform;

class WarningWindow : public TransientDialog
{
    Q_OBJECT

public:
    // dataDir is the program's data folder (the one holding TKTEXT). The
    // locale is the one whose number formatting is checked; the program
    // passes the system's.
    WarningWindow(Platform &platform, const QString &dataDir, int kind = kStartupWarningKind,
        QWidget *parent = nullptr, const QLocale &locale = QLocale::system());

    QString text() const;
    // Passed on to the decimal-symbol window's "Stop Program Now".
    void setStopAction(std::function<void()> action) { m_stop = std::move(action); }

    void done(int result) override;

private:
    void runDecimalCheck();

    Platform &m_platform;
    int m_kind;
    QLocale m_locale;
    QLabel *m_label;
    QPushButton *m_button;
    QPointer<DecimalSymbolWindow> m_decimalWindow;
    std::function<void()> m_stop;
    bool m_checked = false;
};

} // namespace tarvik::gui
