// The baseline: an earlier camber table that the current one is compared
// with, and the pure-data operations on it.
//
// The baseline keeps cell texts exactly as the table displayed them
// ("###.00" texts), not numbers: a difference is the new camber minus the
// number read back from the stored text. The array is 10 data rows by 11
// data columns per side (side 0 the right grid, side 1 the left grid), which
// is also the order the settings file keeps them in. The window that owns the
// "Baseline" menu maps these operations to its menu items and dialogs; the
// message texts it shows are defined here so the wording lives in one place.
#pragma once

#include "core/table/tablespec.h"

#include <array>
#include <string>

namespace tarvik {

struct CamberTable;

// CopyTableToBaseline: the first row of every data entry of both grids (the
// "(new)" rows when the baseline is shown) and the table's spec. Cells the
// table does not cover keep their old texts; cells beyond 10 x 11 are skipped.
// A refused table (nothing swept) leaves the baseline untouched.
void copyTableToBaseline(const CamberTable &table, const TableSpec &spec, BaselineState &baseline);

// True when a shown baseline can be used with spec: all seven fields equal.
bool baselineMatches(const BaselineState &baseline, const TableSpec &spec);

// The cell text of a difference row: new camber minus the number the stored
// baseline text starts with (0 when it starts with none), as "###.00".
std::string differenceText(double newCamber, const std::string &baselineText);

// The comment a printed table gives its baseline: a saved baseline's own;
// none for the previous table, which the comment does not describe.
std::string printedBaselineComment(const BaselineState &baseline);

// "Baseline (show saved results)" and its three siblings.
std::string baselineMenuCaption(const BaselineState &baseline);

// Shown when a fill finds the baseline's spec differs; the baseline is then
// hidden for that fill.
std::string baselineMismatchMessage(const BaselineState &baseline);

// The "Baseline" menu's questions and notes. kShowBaselineQuestion and the
// two-part ones are joined with two carriage returns where the menu shows
// them in one box.
inline constexpr const char *kShowBaselineTitle = "Show Baseline Data?";
std::string showBaselineQuestion();
std::string saveBaselineNote(const BaselineState &baseline);
inline constexpr const char *kBaselineCommentTitle = "Baseline Comment";
inline constexpr const char *kBaselineCommentPrompt
    = "Enter any comment which describes this baseline condition.";
inline constexpr const char *kSaveNewBaselineTitle = "Save New Baseline?";
std::string saveNewBaselineQuestion();
inline constexpr const char *kAbandonSavedBaselineTitle = "Abandon Saved Baseline?";
std::string abandonSavedBaselineQuestion();
inline constexpr const char *kAlreadyPreviousMode
    = "You are already in the 'Baseline is Previous Table' mode.";
inline constexpr const char *kCommentOnlyWhenSaved
    = "Comments saved only for a Saved Baseline, not when the Baseline is just the previous Camber "
      "Table.";

} // namespace tarvik
