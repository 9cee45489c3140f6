// Texts of the intro help messages, their suppression flags and the
// activation count that times the user's-manual reminder.
#include "core/support/introhelp.h"

#include <algorithm>

namespace tarvik {

namespace {

constexpr int kActivationCap = 100;
constexpr int kManualFirstActivation = 10;
constexpr int kManualLastActivation = 39;

} // namespace

IntroMessageText introMessageText(int kind)
{
    switch (kind) {
    case kIntroKindOpenFile:
        return { "Loading a Set of Saved Specs",
            "To load in a set of dimensions, click on OK to clear this message.\n\n"
            "Then click on File in the upper left corner, then on Open for a list of "
            "existing files." };
    case kIntroKindManual:
        return { "User's Manual",
            "To view the User's Manual, click on OK to clear this message.\n\n"
            "Then click on Help at the top of the Main Screen, then click on Display "
            "User's Manual.  It will be displayed in Acrobat (tm), from which you can also "
            "print the manual.  (Click on Display Readme.doc File to read about recent "
            "changes.)" };
    default:
        return { "IMPORTANT:  Help (definition)",
            "Any time you need help on an input:\n"
            "    Click on the input box, or\n"
            "    Click on the spec name\n"
            "And a brief definition is given here with a page # in the manual for more "
            "details." };
    }
}

bool introHasPointerLines(int kind)
{
    return kind != kIntroKindOpenFile;
}

bool ActivationCounter::activate(const IntroHelpFlags &flags)
{
    m_count = std::min(m_count + 1, kActivationCap);
    if (!flags.flag(kIntroManualFlag) && m_count >= kManualFirstActivation
        && m_count <= kManualLastActivation) {
        m_count = kActivationCap;
        return true;
    }
    return false;
}

} // namespace tarvik
