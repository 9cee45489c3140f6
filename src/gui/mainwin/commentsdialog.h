// The Comments window: edits the layout's comment, which is printed with
// reports and saved in the vehicle file. "OK" stores, "Cancel" or leaving
// the window (it loses activation) closes without storing.
#pragma once

#include "gui/common/transientdialog.h"

class QPlainTextEdit;
class QPushButton;

namespace tarvik::gui {

class CommentsDialog : public TransientDialog
{
    Q_OBJECT
public:
    explicit CommentsDialog(const QString &comment, QWidget *parent = nullptr);

    QString text() const;

signals:
    void commentAccepted(const QString &comment);

private:
    QPlainTextEdit *m_editor = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace tarvik::gui
