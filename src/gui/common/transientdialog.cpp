// Closing a transient dialog when the user clicks away from it.
#include "gui/common/transientdialog.h"

#include <QEvent>
#include <QTimer>

namespace tarvik::gui {

void TransientDialog::done(int result)
{
    m_closing = true;
    QDialog::done(result);
}

void TransientDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) {
        return;
    }
    // Only a dialog that was active once can lose activation; a dialog
    // shown behind another window must not close before it was seen.
    if (isActiveWindow()) {
        m_wasActive = true;
        m_closing = false;
    } else if (m_wasActive && !m_closing && isVisible()) {
        QTimer::singleShot(0, this, [this] {
            if (!m_closing && isVisible() && !isActiveWindow()) {
                reject();
            }
        });
    }
}

} // namespace tarvik::gui
