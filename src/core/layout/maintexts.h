// The main window's fixed messages: what the Options items explain when
// chosen, the notes of clicks on things that cannot be edited, and the
// screen-resolution warning. Kept here, beside the rules they describe, so
// the window only shows them.
#pragma once

namespace tarvik::maintexts {

inline constexpr const char *kTitle = "Tarvik";

inline constexpr const char *kEntryModeXAndHeight
    = "From now on, the length of the A Arms will likely change as you change X and Height "
      "inputs for the Arms.\r\rThis mode is usually NOT good for watching adjustments you make, "
      "unless you are actually changing the lengths of the arms.";
inline constexpr const char *kEntryModeLengthAndAngle
    = "From now on, the length of the A Arms will be held constant as you change X and Height "
      "inputs for the available ends of the A Arms.\r\rFor the Upper Arm, the Frame Pivot is "
      "moved based on the Ball Joint X & Height, Length and Angle.\r\rFor the Lower Arm, the Ball "
      "Joint is moved based on the Frame Pivot X & Height, Length and Angle.\r\rThis mode is "
      "usually best for watching adjustments you make, where the lengths of the arms are NOT "
      "changed.";
inline constexpr const char *kMetricNotActive = "This option not activated yet.";
inline constexpr const char *kEnglishOnly = "Only English units available in this version.";
inline constexpr const char *kExtensionLinesHint
    = "Drawing Extension Lines can make the screen quite cluttered.\r\rTry clicking on the Draw "
      "'Big' button in the 'Show Dive and Roll' section to show the suspension and Extension "
      "Lines in more detail.";
inline constexpr const char *kCamberChanges
    = "Starting now, camber will change as you change the front suspension measurements.  This "
      "mode is useful for watching changes to camber as you make suspension adjustments.";
inline constexpr const char *kCamberFixed
    = "Starting now, camber will NOT change as you change the front suspension measurements.  "
      "This mode is less confusing when you are first putting in suspension measurements.";
inline constexpr const char *kIntroRestarted
    = "Intro Help messages will be displayed next time you start the program.";
inline constexpr const char *kArmHeading
    = "To enter angles and lengths of the suspension arms, click on 'Options' at the top of the "
      "screen, then select 'Enter X&Ht at Frame, Arm Len & Angle'";
inline constexpr const char *kBigIsReadOnly
    = "You can not change any measurements in the Draw Big mode.  Click on the Draw Normal button "
      "to return to the original screen to change measurements.";
inline constexpr const char *kResultNote
    = " These values can't be entered, but are calculated from other inputs.";
inline constexpr const char *kResolutionTitle = "Change Screen Resolution";
inline constexpr const char *kResolutionWarning
    = "You will probably not be able to see all portions of this program's screen because your "
      "screen resolution appears to be 480 x 640 pixels.\r\n\r\nThis program was designed "
      "assuming you were using a screen resolution of 600 x 800 pixels or higher.  To change "
      "your computer's Screen Resolution:\r\n\r\n-  Clear this message and shut down this "
      "program.\r\n-  Click on Start (button in lower left corner), then Settings, then Control "
      "Panel\r\n-  Select (double click on) Display\r\n-  Select the 'Settings' tab at the "
      "top\r\n-  Set Display Area to 600 x 800\r\n-  Restart and run this program.";

} // namespace tarvik::maintexts
