// Loading the field definitions and the range check of typed values.
#include "core/layout/fieldinfo.h"

#include "core/layout/fieldreader.h"
#include "core/layout/textfile.h"
#include "core/text/numberreading.h"
#include "core/text/numbertext.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <system_error>

namespace tarvik {

namespace {

bool isSpringPadEntry(int entry)
{
    switch (entry) {
    case 4:
    case 5:
    case 12:
    case 13:
    case 20:
    case 21:
    case 28:
    case 29:
        return true;
    default:
        return false;
    }
}

bool endsWith(std::string_view s, std::string_view tail)
{
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i]))
            != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// The child of `folder` called `name` in any letter case; empty when none.
std::filesystem::path childIgnoringCase(const std::filesystem::path &folder, std::string_view name)
{
    std::error_code ec;
    const std::filesystem::path exact = folder / std::string(name);
    if (std::filesystem::exists(exact, ec))
        return exact;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (sameIgnoringCase(it->path().filename().string(), name))
            return it->path();
    }
    return {};
}

} // namespace

float toSingle(double value)
{
    constexpr double largest = std::numeric_limits<float>::max();
    if (std::isnan(value))
        return 0.0f;
    if (value > largest)
        return std::numeric_limits<float>::max();
    if (value < -largest)
        return -std::numeric_limits<float>::max();
    return static_cast<float>(value);
}

bool FieldInfo::wholeNumbersOnly() const
{
    return hasLimits && endsWith(numberText(maximum), ".001");
}

bool FieldInfo::isOutsideLimits(std::string_view boxText) const
{
    if (!hasLimits)
        return false;
    const float v = toSingle(readNumber(boxText));
    return v > maximum || v < minimum;
}

const FieldInfo &FieldDefinitions::at(int entry) const
{
    static const FieldInfo none;
    if (entry < 0 || entry >= kEntryCount)
        return none;
    return fields[static_cast<std::size_t>(entry)];
}

std::string definitionsFileName(Units units)
{
    return units == Units::Metric ? "helpm.txt" : "help.txt";
}

std::filesystem::path findDefinitionsFile(const std::filesystem::path &dataDir, Units units)
{
    const auto folder = childIgnoringCase(dataDir, "tktext");
    if (folder.empty())
        return {};
    return childIgnoringCase(folder, definitionsFileName(units));
}

FieldDefinitions parseDefinitions(std::string_view text, bool extendedRoll)
{
    FieldDefinitions out;
    FieldReader reader(text);
    for (int entry = 0; entry < kEntryCount; ++entry) {
        FieldInfo &field = out.fields[static_cast<std::size_t>(entry)];
        std::string maximum;
        std::string minimum;
        if (!reader.readLine(field.name) || !reader.readLine(field.definition)
            || !reader.readField(maximum) || !reader.readField(minimum))
            return FieldDefinitions {};
        if (isSpringPadEntry(entry))
            field.definition += kSpringPadNote;
        field.maximum = toSingle(readNumber(maximum));
        field.minimum = toSingle(readNumber(minimum));
        field.hasLimits = true;
    }
    if (extendedRoll) {
        out.fields[kRollEntry].maximum = 70.0f;
        out.fields[kRollEntry].minimum = -70.0f;
    }
    out.loaded = true;
    return out;
}

FieldDefinitions loadDefinitions(const std::filesystem::path &file, bool extendedRoll)
{
    if (file.empty())
        return {};
    const ReadTextResult read = readTextFile(file, 1024u * 1024u);
    if (!read.ok)
        return {};
    return parseDefinitions(read.text, extendedRoll);
}

std::string rangeMessage(const FieldInfo &field, std::string_view boxText)
{
    std::string maximum = numberTextWithBlank(field.maximum);
    if (endsWith(maximum, ".001"))
        maximum.resize(maximum.size() - 4);
    if (maximum == " " || maximum == "-")
        maximum += '0';
    return field.name + " = " + std::string(boxText) + ".  Value must be between "
        + numberTextWithBlank(field.minimum) + " and " + maximum + " .";
}

} // namespace tarvik
