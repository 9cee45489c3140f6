// The texts of saving that never loses work: the read-only file refused with
// the offer of Save As, the crash-recovery question, and the second copy of
// the program that keeps its settings to itself.
#pragma once

#include <string>
#include <string_view>

namespace tarvik {

inline constexpr const char *kFileNotSavedTitle = "File Not Saved";
// After the writer's message that names the read-only file.
inline constexpr const char *kOfferSaveAs
    = "  Do you want to save the layout under another name (Save As)?";

inline constexpr const char *kRecoveryTitle = "Recover Changes";
// name: the layout's file name ("Untitled" for a layout never saved); when:
// the time the recovery copy was made, as the user reads it ("14:32").
inline std::string recoveryQuestion(std::string_view name, std::string_view when)
{
    return "Recover the unsaved changes to " + std::string(name) + " from " + std::string(when)
        + "?";
}

inline constexpr const char *kSecondCopyTitle = "Tarvik Is Already Running";
inline constexpr const char *kSecondCopyText
    = "Another copy of Tarvik is already running.  This copy works without saving its "
      "settings: the modes and options you change here are not kept when it closes.";

} // namespace tarvik
