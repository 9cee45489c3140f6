// The calculation definition: the layout of one mode of the calculation
// window (caption, result name and normal limits, note, output names, input
// frames and rows), read from a shipped file in the data folder's CALC
// folder each time the window opens.
//
// The file is read front to back with line reads (a whole line) and value
// reads (a comma- or line-delimited field, see fieldreader.h):
//   caption (line), result name (line), result maximum and minimum (values),
//   an unused whole number (value), the note switch (line; "N..." or "n..."
//   means no note, and then the next three lines are absent), note caption,
//   note height in text lines and note text (lines), the output count (value,
//   0 to 3) and that many output names (lines), the index of the last row,
//   the frame count (1 or 2), the row counts of frame 1 and frame 2 (values),
//   then per frame a caption line followed by its rows. A row whose line
//   starts with "cmb" is a choice row: the rest of the line is its caption,
//   then an item count (value) and that many item lines. Any other row line
//   is the caption of a numeric row, followed by its maximum and minimum
//   (values). Rows are numbered from 1 across both frames; at most 10.
//
// A file that is missing, unreadable, ends early, holds a count it does not
// keep or asks for more than 10 rows or 3 outputs gives no definition at all
// and a message that names the file.
#pragma once

#include "core/layout/layoutkinds.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

inline constexpr int kCalcMaxInputRows = 10;
inline constexpr int kCalcMaxOutputRows = 3;

// The calculation window's modes, by the numbers of the old program (the
// help window's topic group is the number times 100). A value outside these
// four opens nothing.
enum class CalcMode { Shim = 1, GainSpec = 2, TableSpec = 3, Spring = 11 };

struct CalcDefinitionRow
{
    bool isChoice = false;
    std::string caption;
    std::vector<std::string> items; // choice rows
    bool wideLayout = false; // choice row whose first item is exactly "Yes"
    double rowMax = 0; // numeric rows
    double rowMin = 0;
    int frame = 1; // 1 or 2
};

struct CalcDefinition
{
    std::string caption;
    std::string resultName;
    double resultMax = 0;
    double resultMin = 0;
    bool hasNote = false;
    std::string noteCaption;
    int noteLines = 0;
    std::string noteText;
    std::vector<std::string> outputNames; // 0 to 3
    int lastRow = 0; // the window's height is fitted below this row
    int frameCount = 1;
    std::array<int, 2> frameRows {};
    std::array<std::string, 2> frameCaptions;
    std::vector<CalcDefinitionRow> rows; // rows[0] is row 1
};

struct CalcDefinitionResult
{
    std::optional<CalcDefinition> definition;
    std::string message; // names the file when there is no definition
};

// "SHIMNEW", "GAINSPEC", "TABLSPEC" or "spring"; empty for any other mode.
std::string calcDefinitionBaseName(CalcMode mode);
// Base name + "m" for metric units + ".CLC"; empty for an
// unknown mode.
std::string calcDefinitionFileName(CalcMode mode, Units units);
// The file under dataDir's CALC folder, found whatever the letter case of the
// folder and file names; empty when absent.
std::filesystem::path findCalcDefinitionFile(
    const std::filesystem::path &dataDir, CalcMode mode, Units units);

// fileLabel is how messages name the file (its path).
CalcDefinitionResult parseCalcDefinition(std::string_view text, std::string_view fileLabel);
CalcDefinitionResult loadCalcDefinition(const std::filesystem::path &file);
// Finds and loads the definition of a mode; a missing file is named by the
// path where it was looked for.
CalcDefinitionResult loadCalcDefinitionFor(
    const std::filesystem::path &dataDir, CalcMode mode, Units units);

// Empty when the definition has the rows and outputs the mode's calculation
// reads (shims: choice rows 1-4, numeric row 5, three outputs; spring:
// choice rows 1-2, numeric rows 3-7, one output; camber-gain definition:
// choice row 1, numeric rows 2-3; table specs: choice rows 1, 4 and 7,
// numeric rows 2, 3, 5 and 6); otherwise a message naming the file and the
// row that does not fit.
std::string calcDefinitionMismatch(
    CalcMode mode, const CalcDefinition &definition, std::string_view fileLabel);

} // namespace tarvik
