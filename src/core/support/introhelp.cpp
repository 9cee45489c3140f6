// Texts of the intro help messages, their suppression flags and the
// activation count that times the user's-manual reminder.
#include "core/support/introhelp.h"

#include <algorithm>

namespace tarvik {

namespace {

constexpr int kActivationCap = 100;
constexpr int kManualFirstActivation = 10;
constexpr int kManualLastActivation = 39;
constexpr int kManualFlag = 2;

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

int IntroHelpFlags::flagIndexForKind(int kind)
{
    if (kind == kIntroKindManual) {
        return kManualFlag;
    }
    return (kind >= 0 && kind < kIntroFlagCount) ? kind : -1;
}

bool IntroHelpFlags::flag(int index) const
{
    return index >= 0 && index < kIntroFlagCount && m_flags[static_cast<std::size_t>(index)];
}

void IntroHelpFlags::setFlag(int index, bool on)
{
    if (index >= 0 && index < kIntroFlagCount) {
        m_flags[static_cast<std::size_t>(index)] = on;
    }
}

bool IntroHelpFlags::isSuppressed(int kind) const
{
    return flag(flagIndexForKind(kind));
}

void IntroHelpFlags::recordChoice(int kind, bool dontShowAgain)
{
    setFlag(flagIndexForKind(kind), dontShowAgain);
}

void IntroHelpFlags::restartShowing()
{
    m_flags.fill(false);
}

IntroHelpFlags IntroHelpFlags::fromStored(const std::array<int, kIntroFlagCount> &stored)
{
    IntroHelpFlags flags;
    for (int i = 0; i < kIntroFlagCount; ++i) {
        flags.setFlag(i, stored[static_cast<std::size_t>(i)] != 0);
    }
    return flags;
}

std::array<int, kIntroFlagCount> IntroHelpFlags::toStored() const
{
    std::array<int, kIntroFlagCount> stored {};
    for (int i = 0; i < kIntroFlagCount; ++i) {
        stored[static_cast<std::size_t>(i)] = flag(i) ? 1 : 0;
    }
    return stored;
}

std::vector<int> IntroHelpFlags::startupKinds() const
{
    std::vector<int> kinds;
    for (const int kind : { kIntroKindHelpBox, kIntroKindOpenFile }) {
        if (!isSuppressed(kind)) {
            kinds.push_back(kind);
        }
    }
    return kinds;
}

bool ActivationCounter::activate(const IntroHelpFlags &flags)
{
    m_count = std::min(m_count + 1, kActivationCap);
    if (!flags.flag(kManualFlag) && m_count >= kManualFirstActivation
        && m_count <= kManualLastActivation) {
        m_count = kActivationCap;
        return true;
    }
    return false;
}

} // namespace tarvik
