// The intro help messages shown at start-up, and the activation count that
// times the user's-manual reminder. Their kinds and "Don't show this again"
// flags are in core/layout/introflags.h.
#pragma once

#include "core/layout/introflags.h"

#include <array>
#include <string>
#include <vector>

namespace tarvik {

struct IntroMessageText
{
    std::string caption; // window caption
    std::string text; // message lines joined by LF
};

IntroMessageText introMessageText(int kind);

// Every kind but the open-file one is shown with pointer lines towards the
// main window's help box: the help-box message says the definition is given
// "here", and the manual reminder runs with the lines shown too.
bool introHasPointerLines(int kind);

// Counts main-window activations (up to 100) and says when the user's-manual
// reminder is due: on the 10th activation of a run while flag 2 is off, once.
class ActivationCounter
{
public:
    // Counts one activation; true when the reminder is to be shown now.
    bool activate(const IntroHelpFlags &flags);
    int count() const { return m_count; }

private:
    int m_count = 0;
};

} // namespace tarvik
