// Everything the program remembers between runs: modes, the camber table's
// set-up and baseline, graph options, intro-help choices and the two
// outside-viewer paths. Start values are 0 and empty texts, which is also
// what a record missing from a short settings file keeps.
#pragma once

#include <array>
#include <string>

namespace tarvik {

inline constexpr int kTableRows = 10;
inline constexpr int kTableColumns = 11;
inline constexpr int kSettingsRecords = 258;
inline constexpr const char *kSettingsFileName = "TKCNFG-32.QMK";

// A camber table's dive and roll ranges as texts, with the increment choices
// and the orientation; the current table's and the baseline's.
struct TableSpecSettings
{
    int RowsAreRoll = 0;
    std::string DiveFrom;
    std::string DiveTo;
    int DiveIncIndex = 0;
    std::string RollFrom;
    std::string RollTo;
    int RollIncIndex = 0;
};

struct Settings
{
    int unitsFlag = 0; // 0 English units
    int entryMode = 0; // 0 X and Height, 1 length and angle
    int extensionLines = 0;
    int gainPassSwitch = 0; // written as held; has no effect when read back
    int GainSpecChoice = 0; // camber-gain basis: 0 standard (1 in of dive, no roll)
    std::string GainDiveText;
    std::string GainRollText;
    TableSpecSettings TableSpec;
    TableSpecSettings BaselineSpec;
    int ShowBaseline = 0;
    int BaselineIsSaved = 0;
    // [side 0 right, 1 left][row][column], cell texts.
    std::array<std::array<std::array<std::string, kTableColumns>, kTableRows>, 2> BaselineData;
    int backgroundColour = 0; // 0 light grey, 1 dark grey
    int camberOption = 0; // 1 camber changes with new inputs
    int graphPrintMode = 0;
    int graphLineWidth = 0;
    int graphBackground = 0;
    int graphLabelMode = 0;
    std::string graphPlotTitle;
    std::string graphCurrentRunLabel;
    std::string graphBaselineRunLabel;
    std::string BaselineComment;
    // Intro-help suppression flags; only the first three are stored.
    std::array<int, 4> introHelpSuppressed {};
    std::string webBrowserPath;
    std::string pdfViewerFolder;
};

} // namespace tarvik
