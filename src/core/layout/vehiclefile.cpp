// Vehicle files: the magic line, suspension type, units flag, the 44 input
// texts in walk order, the comment and the "-9999" terminator.
//
// Reading builds the whole result before anything is handed back, so a
// refused file changes nothing. Writing keeps the comment stable over save
// and open: the comment is written followed by one CR LF unless it already
// ends with one, so a comment read back (which always ends with CR LF when
// the file has its terminator) is written again unchanged.
#include "core/layout/vehiclefile.h"

#include "core/layout/fieldreader.h"
#include "core/text/legacytext.h"
#include "core/text/numberreading.h"

#include <cmath>

namespace tarvik {

namespace {

constexpr const char *kTerminator = "-9999";

// A 16-bit integer field; false when the text is not a number in range.
bool readShortField(FieldReader &reader, int &value)
{
    std::string field;
    if (!reader.readField(field))
        return false;
    const double number = std::nearbyint(readNumber(field));
    if (!(number >= -32768.0 && number <= 32767.0))
        return false;
    value = static_cast<int>(number);
    return true;
}

VehicleReadResult refused()
{
    VehicleReadResult out;
    out.message = kNotAVehicleFileMessage;
    return out;
}

} // namespace

VehicleReadResult parseVehicleText(std::string_view text)
{
    FieldReader reader(text);
    std::string magic;
    if (!reader.readField(magic) || magic != kVehicleMagic)
        return refused();

    VehicleReadResult out;
    if (!readShortField(reader, out.data.suspensionType)
        || !readShortField(reader, out.data.unitsFlag))
        return refused();
    for (const int entry : inputWalk()) {
        std::string value;
        if (!reader.readField(value))
            return refused();
        out.data.record.set(entry, std::move(value));
    }

    std::string line;
    while (reader.readLine(line)) {
        if (line == kTerminator)
            break;
        out.data.comment += line;
        if (reader.atEnd())
            break;
        out.data.comment += "\r\n";
    }
    out.data.comment = utf8FromLegacy(out.data.comment);
    out.ok = true;
    return out;
}

VehicleReadResult readVehicleFile(const std::filesystem::path &path)
{
    // A vehicle file is a few hundred bytes; anything past a megabyte is not one.
    const ReadTextResult file = readTextFile(path, 1024u * 1024u);
    if (!file.ok) {
        VehicleReadResult out;
        out.message = file.message;
        return out;
    }
    return parseVehicleText(file.text);
}

std::string vehicleFileText(const VehicleData &data)
{
    std::string text = std::string(kVehicleMagic) + "\r\n";
    text += std::to_string(data.suspensionType) + "\r\n";
    text += std::to_string(data.unitsFlag) + "\r\n";
    for (const int entry : inputWalk())
        text += fieldForWriting(data.record.get(entry)) + "\r\n";
    std::string comment = withCrLf(data.comment);
    // A comment line that reads as the terminator would end the comment
    // early and lose the rest; keep it by adding a space.
    std::string safe;
    std::size_t start = 0;
    while (start <= comment.size()) {
        auto end = comment.find("\r\n", start);
        const bool last = end == std::string::npos;
        if (last)
            end = comment.size();
        std::string piece = comment.substr(start, end - start);
        if (piece == kTerminator)
            piece += ' ';
        safe += piece;
        if (last)
            break;
        safe += "\r\n";
        start = end + 2;
    }
    text += safe;
    if (safe.size() < 2 || safe.compare(safe.size() - 2, 2, "\r\n") != 0)
        text += "\r\n";
    text += std::string(kTerminator) + "\r\n";
    return text;
}

std::string withVehicleExtension(std::string_view path)
{
    const auto slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (name.empty() || name.find('.') != std::string_view::npos) {
        return std::string(path);
    }
    return std::string(path) + "." + kVehicleFileExtension;
}

WriteResult writeVehicleFile(const std::filesystem::path &path, const VehicleData &data)
{
    return replaceFileContents(path, vehicleFileText(data));
}

} // namespace tarvik
