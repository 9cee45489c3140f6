// Per-layout state and the file title rule.
#include "core/layout/layoutstate.h"

#include <cctype>

namespace tarvik {

namespace {

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

char upper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

std::string toUpper(std::string_view s)
{
    std::string out(s);
    for (char &c : out)
        c = upper(c);
    return out;
}

bool sameLetters(char a, char b)
{
    if (isSeparator(a) && isSeparator(b))
        return true;
    return upper(a) == upper(b);
}

} // namespace

void LayoutState::clearForNew()
{
    record.clear();
    comment.clear();
    currentFile = kUntitled;
    changed = false;
    lastEditedEntry.reset();
}

VehicleData LayoutState::vehicleData() const
{
    VehicleData data;
    for (const int entry : inputWalk())
        data.record.set(entry, record.get(entry));
    data.suspensionType = suspensionType == SuspensionType::Strut ? 1 : 0;
    data.unitsFlag = storedUnits(units);
    data.comment = comment;
    return data;
}

void LayoutState::takeVehicle(const VehicleData &data, const std::string &path)
{
    record.clear();
    for (const int entry : inputWalk())
        record.set(entry, data.record.get(entry));
    suspensionType = data.suspensionType == 1 ? SuspensionType::Strut : SuspensionType::DoubleAArm;
    units = unitsFromStored(data.unitsFlag);
    comment = data.comment;
    currentFile = path;
    changed = false;
    lastEditedEntry.reset();
}

std::string fileTitle(std::string_view currentFile, std::string_view vehicleFolder)
{
    while (!vehicleFolder.empty() && isSeparator(vehicleFolder.back()))
        vehicleFolder.remove_suffix(1);
    if (!vehicleFolder.empty() && currentFile.size() > vehicleFolder.size() + 1
        && isSeparator(currentFile[vehicleFolder.size()])) {
        bool inside = true;
        for (std::size_t i = 0; i < vehicleFolder.size() && inside; ++i)
            inside = sameLetters(currentFile[i], vehicleFolder[i]);
        if (inside)
            return toUpper(currentFile.substr(vehicleFolder.size() + 1));
    }
    const auto last = currentFile.find_last_of("\\/");
    if (last == std::string_view::npos)
        return toUpper(currentFile);
    return toUpper(currentFile.substr(last + 1));
}

std::string mainWindowCaption(std::string_view fileTitleText, std::string_view mark)
{
    return "Tarvik - Quellmark Inc.   [ " + std::string(fileTitleText) + std::string(mark) + " ]";
}

} // namespace tarvik
