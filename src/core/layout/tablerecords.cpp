// The baseline's cell lookup; see tablerecords.h.
#include "core/layout/tablerecords.h"

namespace tarvik {

const std::string &BaselineState::cell(int side, int dataRow, int dataColumn) const
{
    static const std::string empty;
    if (side < 0 || side > 1 || dataRow < 0 || dataRow >= kMaxTableRows || dataColumn < 0
        || dataColumn >= kMaxTableColumns) {
        return empty;
    }
    return BaselineData[static_cast<std::size_t>(side)][static_cast<std::size_t>(dataRow)]
                       [static_cast<std::size_t>(dataColumn)];
}

} // namespace tarvik
