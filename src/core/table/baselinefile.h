// The baseline of one table quantity as a small text file of its own. The
// camber baseline lives in the settings file; the roll-centre baselines are
// kept by the window in the user's config folder, one file per quantity
// (baselineFileName()).
//
// The file is CSV (RFC 4180 quoting), one keyed record a line, CR LF line
// ends, in this order:
//
//   TARVIK-BASELINE,1
//   quantity,rc-height                     the quantity's key
//   spec,0,-2,2,1,-4,4,1                   RowsAreRoll, DiveFrom, DiveTo,
//                                          DiveIncIndex, RollFrom, RollTo,
//                                          RollIncIndex
//   show,1                                 ShowBaseline
//   saved,1                                BaselineIsSaved
//   comment,"Soft springs, 2 deg"          BaselineComment
//   right,1,3.69,3.70,...                  data row 1..10 of the right grid,
//   ...                                    11 cell texts each
//   left,10,...                            then the same for the left grid
//
// Reading is all or nothing: a file that is short, out of order, has a
// record of the wrong length, a malformed quote, a number out of range or
// anything but blank lines after the last record is refused with a message,
// and the caller's baseline stays as it was. Texts lose their line breaks
// when written, since a record is one line.
#pragma once

#include "core/layout/textfile.h"
#include "core/table/baseline.h"
#include "core/table/tablequantity.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvik {

inline constexpr const char *kBaselineFileMagic = "TARVIK-BASELINE";
inline constexpr std::size_t kMaxBaselineFileBytes = 256u * 1024u;

// "baseline-rc-height.txt" and so on.
std::string baselineFileName(TableQuantity quantity);

std::string baselineFileText(const BaselineState &baseline, TableQuantity quantity);

struct BaselineFileResult
{
    bool ok = false;
    bool found = true; // false when there is no such file (a first run)
    std::string message; // why the file was refused
    TableQuantity quantity = TableQuantity::Camber;
    BaselineState baseline; // the file's baseline when ok, else the start values
};

BaselineFileResult parseBaselineText(std::string_view text);
// Refuses a file that holds another quantity's baseline.
BaselineFileResult readBaselineFile(const std::filesystem::path &path, TableQuantity quantity);
WriteResult writeBaselineFile(
    const std::filesystem::path &path, const BaselineState &baseline, TableQuantity quantity);

} // namespace tarvik
