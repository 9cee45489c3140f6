// The intro help message window shown at start-up and on the tenth
// activation of the main window.
//
// One message label, a "Don't show this again" check box and an OK button.
// However the window closes (OK, Escape or the close box), the check box
// tells the caller whether to suppress the message kind from now on; the
// caller records it in the intro-help flags. It is the Qt platform's answer
// to Platform::introMessage, which is how the program shows it.
#pragma once

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
    explicit IntroMessageWindow(int kind, QWidget *parent = nullptr);

    int kind() const { return m_kind; }
    QString message() const;
    bool dontShowAgain() const;

private:
    int m_kind;
    QLabel *m_label;
    QCheckBox *m_dontShow;
    QPushButton *m_ok;
};

} // namespace tarvik::gui
