// Everything the program remembers between runs, in one object: the modes,
// the camber-gain definition, the camber table's set-up and baseline, the
// graph options, the intro-help choices and the two outside-viewer paths.
// The settings file maps it record by record (settingsfile.h). Start values
// are 0 and empty texts, which is also what a record missing from a short
// settings file keeps.
#pragma once

#include "core/layout/introflags.h"
#include "core/layout/layoutkinds.h"
#include "core/layout/tablerecords.h"

#include <string>

namespace tarvik {

inline constexpr int kSettingsRecords = 258;
inline constexpr const char *kSettingsFileName = "TKCNFG-32.QMK";

// The graph's two background choices, as palette indices.
inline constexpr int kGraphBlackBackground = 0;
inline constexpr int kGraphWhiteBackground = 15;

// How the graphs of the camber table look and print.
struct GraphOptions
{
    int printColor = 0; // 1 colour, 0 black and white
    int thickLines = 0; // 1 thick, 0 thin
    int background = kGraphBlackBackground; // any other index than white is black
    int labelMode = 0; // 0 standard labels, 1 the labels below
    std::string plotTitle;
    std::string currentRunLabel;
    std::string baselineRunLabel;

    friend bool operator==(const GraphOptions &, const GraphOptions &) = default;
};

struct Settings
{
    Units units = Units::English;
    EntryMode entryMode = EntryMode::XAndHeight;
    bool extensionLines = false;
    int gainPassSwitch = 0; // written as held; has no effect when read back
    // Camber-gain definition: 0 standard (1 in of dive, no roll), else the texts apply.
    int GainSpecChoice = 0;
    std::string GainDiveText;
    std::string GainRollText;
    TableSpec tableSpec;
    BaselineState baseline;
    bool darkGrayBackground = false; // else light grey
    bool camberFollowsEdits = false; // the static camber follows new inputs
    GraphOptions graph;
    // Intro-help suppression; only flags 0 to 2 are stored.
    IntroHelpFlags introHelp;
    std::string webBrowserPath;
    std::string pdfViewerFolder;

    // The panel-refresh rule: a definition whose dive and roll both read as
    // 0 is the standard one.
    void normalizeGainDefinition();
};

} // namespace tarvik
