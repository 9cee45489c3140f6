// A dialog that closes itself, as if cancelled, once it has been active and
// then loses activation to another window: the Comments window and the
// start-up warning window both behave this way.
#pragma once

#include <QDialog>

namespace tarvik::gui {

class TransientDialog : public QDialog
{
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void changeEvent(QEvent *event) override;

private:
    bool m_wasActive = false;
};

} // namespace tarvik::gui
