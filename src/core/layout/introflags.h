// The intro help messages' "Don't show this again" flags, as the settings
// keep them. The messages themselves are in core/support/introhelp.h.
//
// Message kinds: 0 points the user at the main window's help box, 1 explains
// how to open a saved layout, 3 reminds of the user's manual (any other kind
// shows the help-box message). Four flags exist (indices 0 to 3); the
// settings file keeps 0 to 2. A message's check box stores into the flag of
// its kind, except that the manual reminder (kind 3) stores into flag 2, the
// flag that start-up consults for it and the settings file keeps, so ticking
// its box lasts across runs.
#pragma once

#include <array>
#include <vector>

namespace tarvik {

inline constexpr int kIntroKindHelpBox = 0;
inline constexpr int kIntroKindOpenFile = 1;
inline constexpr int kIntroKindManual = 3;
inline constexpr int kIntroFlagCount = 4;
inline constexpr int kStoredIntroFlagCount = 3; // flags kept in the settings file
inline constexpr int kIntroManualFlag = 2; // the flag of the manual reminder

class IntroHelpFlags
{
public:
    // The flag a kind's check box stores into; -1 for kinds with none.
    static int flagIndexForKind(int kind);

    bool flag(int index) const;
    void setFlag(int index, bool on); // indices outside 0..3 are ignored

    bool isSuppressed(int kind) const;
    // Stores the check box of a closing message window.
    void recordChoice(int kind, bool dontShowAgain);
    // Help menu "Restart Showing Intro Help Messages".
    void restartShowing();

    // The flags as the settings keep them (non-zero = suppressed), and back.
    static IntroHelpFlags fromStored(const std::array<int, kIntroFlagCount> &stored);
    std::array<int, kIntroFlagCount> toStored() const;

    // The kinds start-up shows, in order: 0 then 1, each unless suppressed.
    std::vector<int> startupKinds() const;

private:
    std::array<bool, kIntroFlagCount> m_flags {};
};

} // namespace tarvik
