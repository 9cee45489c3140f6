// Reading and writing vehicle files.
//
// Layout: the magic "QMK-TK*1.10", suspension type, units flag, the 44 input
// texts in walk order, the comment (lines joined by CR LF) and "-9999".
// Written with CR LF through a temporary file renamed over the target, so a
// failed save never destroys the previous file; read with CR LF or LF.
// A file that does not start with the magic, or that ends before the last
// input value, is refused and nothing of it is used.
#pragma once

#include "core/layout/specrecord.h"
#include "core/layout/textfile.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvik {

inline constexpr const char *kVehicleMagic = "QMK-TK*1.10";
inline constexpr const char *kNotAVehicleFileMessage
    = "This is not a Tarvik file and can not be used.";
inline constexpr const char *kBadFileTitle = "Bad File";
// The open and save dialogs' filters, one per line of the file-type list.
inline constexpr const char *kVehicleFileFilter = "Vehicle files (*.TK *.tk);;All files (*)";
inline constexpr const char *kVehicleFileExtension = "TK";

struct VehicleData
{
    SpecRecord record; // only the input entries are filled
    int suspensionType = 0; // 0 double A arm, 1 McPherson strut
    int unitsFlag = 0;
    std::string comment;
};

struct VehicleReadResult
{
    bool ok = false;
    std::string message; // the exact user message when !ok
    VehicleData data;
};

VehicleReadResult readVehicleFile(const std::filesystem::path &path);
VehicleReadResult parseVehicleText(std::string_view text);
std::string vehicleFileText(const VehicleData &data);
// A name typed without an extension (no '.' in the file name) gets ".TK";
// any other path is kept as it is.
std::string withVehicleExtension(std::string_view path);
WriteResult writeVehicleFile(const std::filesystem::path &path, const VehicleData &data);

} // namespace tarvik
