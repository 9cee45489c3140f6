// The intro help flags; see introflags.h.
#include "core/layout/introflags.h"

namespace tarvik {

int IntroHelpFlags::flagIndexForKind(int kind)
{
    if (kind == kIntroKindManual) {
        return kIntroManualFlag;
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

} // namespace tarvik
