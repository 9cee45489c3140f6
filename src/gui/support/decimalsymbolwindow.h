// The decimal-symbol check and the window that explains its finding.
//
// Vehicle and settings files hold numbers written with a decimal point. When
// the system writes numbers with a decimal comma, the window "Possible
// Problem Encountered" tells the user how to change that, and offers "Print",
// "Stop Program Now" and "Cancel".
#pragma once

#include <QDialog>
#include <QLocale>
#include <functional>

class QPushButton;

namespace tarvik::gui {

class Platform;

// True when the locale writes 7 / 3 with three decimals using a comma.
bool decimalSymbolIsComma(const QLocale &locale);

class DecimalSymbolWindow : public QDialog
{
    Q_OBJECT

public:
    explicit DecimalSymbolWindow(Platform &platform, QWidget *parent = nullptr);

    // What "Stop Program Now" does; by default it ends the application's
    // event loops at once (no save questions, no settings written).
    void setStopAction(std::function<void()> action) { m_stop = std::move(action); }

    QString upperText() const;
    QString lowerText() const;

private:
    void print();
    void stopProgram();

    Platform &m_platform;
    std::function<void()> m_stop;
    QString m_upper;
    QString m_lower;
    QPushButton *m_print;
    QPushButton *m_stopButton;
    QPushButton *m_cancel;
};

} // namespace tarvik::gui
