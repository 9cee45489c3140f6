// The one rule every window of the program opens by: wholly inside the
// available area of the main window's screen (the screen less its panels),
// made smaller when it is bigger than that area, and beside the main
// window's input boxes rather than over them where there is room (the
// arithmetic is the core's placeWindow).
//
// A window calls keepOnScreen(this) once, in its constructor; from then on
// each time it is shown it is placed before it appears: beside the boxes
// the first time, and only moved back inside the area on later showings, so
// a place the user chose is kept.
#pragma once

class QWidget;

namespace tarvik::gui {

// The main window's input boxes, which other windows open beside.
void setInputArea(QWidget *inputs);
// Places window now and each time it is shown.
void keepOnScreen(QWidget *window);
// Places window once: beside the input boxes, or only inside the area.
void placeOnScreen(QWidget *window, bool besideInputs);

} // namespace tarvik::gui
