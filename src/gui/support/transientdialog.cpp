// Closing a transient dialog when the user clicks away from it.
#include "gui/support/transientdialog.h"

#include <QEvent>

namespace tarvik::gui {

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
    } else if (m_wasActive && isVisible()) {
        reject();
    }
}

} // namespace tarvik::gui
