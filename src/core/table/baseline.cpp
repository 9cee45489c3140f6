// Baseline operations that are pure data: the copy of a table, the spec
// comparison, the difference texts and the texts of the "Baseline" menu.
#include "core/table/baseline.h"

#include "core/table/cambertable.h"
#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"

namespace tarvik {

namespace {

// Two carriage returns between the paragraphs of one message box.
constexpr const char *kParagraphBreak = "\r\r";

} // namespace

void copyTableToBaseline(const CamberTable &table, const TableSpec &spec, BaselineState &baseline)
{
    if (!table.refusal.empty()) {
        return; // a refused table holds no cells: keep the old baseline whole
    }
    baseline.BaselineSpec = spec;
    const int g = table.groupSize();
    for (std::size_t side = 0; side < 2; ++side) {
        const TableGrid &grid = table.grids[side];
        int entry = 0;
        for (std::size_t r = 1; r < grid.size(); r += static_cast<std::size_t>(g), ++entry) {
            if (entry >= kMaxTableRows) {
                break;
            }
            const std::vector<std::string> &row = grid[r];
            for (std::size_t c = 1; c < row.size() && c <= kMaxTableColumns; ++c) {
                baseline.BaselineData[side][static_cast<std::size_t>(entry)][c - 1] = row[c];
            }
        }
    }
}

bool baselineMatches(const BaselineState &baseline, const TableSpec &spec)
{
    return baseline.BaselineSpec == spec;
}

std::string differenceText(double newCamber, const std::string &baselineText)
{
    return formatPicture(newCamber - readNumber(baselineText), "###.00");
}

std::string printedBaselineComment(const BaselineState &baseline)
{
    return baseline.BaselineIsSaved == 1 ? baseline.BaselineComment : std::string();
}

std::string baselineMenuCaption(const BaselineState &baseline)
{
    std::string caption = baseline.ShowBaseline != 0 ? "Baseline (show" : "Baseline (hide";
    caption += baseline.BaselineIsSaved == 1 ? " saved results)" : " previous results)";
    return caption;
}

std::string baselineMismatchMessage(const BaselineState &baseline)
{
    std::string text = "Baseline Table Options (increments for Roll and Dive) do not match Current "
                       "Table Options.";
    text += kParagraphBreak;
    text += "To show the baseline, ";
    text += baseline.BaselineIsSaved != 0
        ? "click on 'Baseline' and then click on 'Save this Data as Baseline'."
        : "close this window by clicking on 'Back' and then open this Table again by clicking on "
          "'Table & Graph' at the Main Screen.";
    text += "  Then select 'Show Baseline Data'.";
    return text;
}

std::string showBaselineQuestion()
{
    return std::string("You are currently asking to 'Hide Baseline Results'.") + kParagraphBreak
        + "Do you want to see the Baseline data in the Table also?";
}

std::string saveBaselineNote(const BaselineState &baseline)
{
    return std::string("The current Table's") + (baseline.ShowBaseline != 0 ? " '(new)'" : "")
        + " data will be saved as a Baseline.";
}

std::string saveNewBaselineQuestion()
{
    return std::string("You are already in the 'Baseline is Saved Table' mode.") + kParagraphBreak
        + "Do you want the current results in the Table saved as the Baseline results?";
}

std::string abandonSavedBaselineQuestion()
{
    return std::string("Baseline results will be the current results in the Table for right now.  "
                       "However, from now on the Baseline results will be whatever were the "
                       "results from the last Camber Table displayed.")
        + kParagraphBreak
        + "You will loose the current Saved Baseline Results.  Is this what you want to do?";
}

} // namespace tarvik
