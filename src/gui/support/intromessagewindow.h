// The intro help message window shown at start-up and on the tenth
// activation of the main window.
//
// One message label, a "Don't show this again" check box and an OK button.
// Whenever the window closes (OK, Escape or the close box) the check box is
// recorded into the intro-help flags the caller passes, under the flag that
// belongs to the message kind; the caller keeps those flags in the settings.
#pragma once

#include "core/support/introhelp.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tarvik::gui {

class IntroMessageWindow : public QDialog
{
    Q_OBJECT

public:
    // kind: kIntroKindHelpBox, kIntroKindOpenFile or kIntroKindManual.
    // flags must outlive the window.
    IntroMessageWindow(int kind, IntroHelpFlags &flags, QWidget *parent = nullptr);

    int kind() const { return m_kind; }
    QString message() const;
    QCheckBox *dontShowAgainBox() const { return m_dontShow; }
    QPushButton *okButton() const { return m_ok; }

    // Shows the message modally and records the check box; the usual call.
    // With a help box given, the kinds that point at it draw pointer lines
    // from the message to it while it shows.
    static void showMessage(
        int kind, IntroHelpFlags &flags, QWidget *parent, QWidget *helpBox = nullptr);

    void done(int result) override;

private:
    int m_kind;
    IntroHelpFlags &m_flags;
    QLabel *m_label;
    QCheckBox *m_dontShow;
    QPushButton *m_ok;
};

} // namespace tarvik::gui
