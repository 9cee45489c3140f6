// The camber table's records in the settings: which dive and roll values the
// table sweeps (TableSpec) and the earlier table it is compared with
// (BaselineState), as plain values. What the table does with them is in
// core/table: tablespec.h (the axes, the size check) and baseline.h.
#pragma once

#include <array>
#include <string>

namespace tarvik {

inline constexpr int kMaxTableRows = 10;
inline constexpr int kMaxTableColumns = 11;

// Default-constructed, every field has its start value (0 or empty), as a
// settings file that ends early leaves it; standardTableSpec() is the table
// a first-time user is offered.
struct TableSpec
{
    int RowsAreRoll = 0; // 0: rows dive, columns roll; 1: rows roll, columns dive
    std::string DiveFrom;
    std::string DiveTo;
    int DiveIncIndex = 0; // 0 = 2, 1 = 1, 2 = .5, any other = .25 inches
    std::string RollFrom;
    std::string RollTo;
    int RollIncIndex = 0; // 0 = 4, 1 = 2, 2 = 1, 3 = .5, any other = .25 degrees

    bool rowsRoll() const { return RowsAreRoll == 1; }
    // All seven fields equal; range ends compared as texts, exactly.
    friend bool operator==(const TableSpec &, const TableSpec &) = default;
};

using BaselineSide = std::array<std::array<std::string, kMaxTableColumns>, kMaxTableRows>;

struct BaselineState
{
    std::array<BaselineSide, 2> BaselineData; // [side][data row][data column], 0-based
    TableSpec BaselineSpec; // the TableSpec the baseline was captured with
    int ShowBaseline = 0; // 1: base and difference rows are shown
    int BaselineIsSaved = 0; // 1: saved table, 0: previous table
    std::string BaselineComment; // describes a saved baseline

    bool shown() const { return ShowBaseline == 1; }
    friend bool operator==(const BaselineState &, const BaselineState &) = default;
    const std::string &cell(int side, int dataRow, int dataColumn) const;
};

} // namespace tarvik
