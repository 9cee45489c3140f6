// A dialog that closes itself, as if cancelled, once it has been active and
// then loses activation to another window: the Comments window and the
// start-up warning window both behave this way.
//
// Closing a dialog moves the activation too. The close that follows a lost
// activation therefore waits until the event that reported it has finished,
// and a dialog that is already closing ignores it: a second close from inside
// the first left the window system believing that the modal dialog was still
// open, so the main window below it took no more mouse clicks or keys.
#pragma once

#include <QDialog>

namespace tarvik::gui {

class TransientDialog : public QDialog
{
    Q_OBJECT
public:
    using QDialog::QDialog;

    void done(int result) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    bool m_wasActive = false;
    bool m_closing = false;
};

} // namespace tarvik::gui
