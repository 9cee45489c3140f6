// Pointer lines: two lines with arrowheads drawn over a window, from the edge
// of a message window that stands over it to a target widget (the main
// window's help box), so that a message saying "given here" shows where.
//
// The lines are a transparent child of the target's window, above its other
// children, that lets every mouse event through. They follow the message
// window when it moves and disappear with it (or when this object goes).
#pragma once

#include <QLineF>
#include <QPointer>
#include <QWidget>
#include <array>

namespace tarvik::gui {

class PointerLines : public QWidget
{
    Q_OBJECT
public:
    PointerLines(QWidget *target, QWidget *message);

    // The two lines in this widget's coordinates, from the message window's
    // nearest corners to the target; empty lines while the message is hidden.
    std::array<QLineF, 2> lines() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow();

    QPointer<QWidget> m_target;
    QPointer<QWidget> m_message;
};

} // namespace tarvik::gui
