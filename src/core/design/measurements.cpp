// The measured-camber file and pasted readings (see measurements.h).
#include "core/design/measurements.h"

#include "core/design/designproblem.h"
#include "core/text/floatchars.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace tarvik {

namespace {

constexpr double kSamePosition = 1e-6;

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A line keeps its tabs: a pasted row may end in an empty tab-separated cell.
std::string_view lineTrimmed(std::string_view text)
{
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::string_view> splitFields(std::string_view line, bool tabs)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == ',' || (tabs && line[i] == '\t')) {
            fields.push_back(trimmed(line.substr(start, i - start)));
            start = i + 1;
        }
    }
    return fields;
}

bool isHeader(const std::vector<std::string_view> &fields)
{
    static constexpr std::array<std::string_view, 4> kNames
        = { "dive", "roll", "camber_right", "camber_left" };
    if (fields.size() != kNames.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (!std::equal(fields[i].begin(), fields[i].end(), kNames[i].begin(), kNames[i].end(),
                [](char a, char b) {
                    return (a >= 'A' && a <= 'Z' ? char(a - 'A' + 'a') : a) == b;
                })) {
            return false;
        }
    }
    return true;
}

MeasurementReadResult refused(std::string message)
{
    MeasurementReadResult out;
    out.message = std::move(message);
    return out;
}

MeasurementReadResult parseRows(std::string_view text, bool pasted)
{
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3); // a spreadsheet's byte-order mark
    }
    MeasurementSet set;
    bool headerSeen = false;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = lineTrimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view {} : text.substr(end + 1);
        ++lineNumber;
        if (trimmed(line).empty()) {
            continue;
        }
        const std::vector<std::string_view> fields = splitFields(line, pasted);
        if (!headerSeen && isHeader(fields)) {
            headerSeen = true;
            continue;
        }
        const std::string where = "Row " + std::to_string(lineNumber) + ": ";
        if (!headerSeen && !pasted) {
            return refused(
                where + "the file must begin with the header " + kMeasurementHeader + ".");
        }
        headerSeen = true;
        if (fields.size() != 4) {
            return refused(where + "needs 4 fields (dive, roll, camber right, camber left), not "
                + std::to_string(fields.size()) + ".");
        }
        if (set.rows.size() >= kMaxMeasurementRows) {
            return refused(where + "more than " + std::to_string(kMaxMeasurementRows) + " rows.");
        }
        static constexpr std::array<const char *, 4> kWhat
            = { "the dive", "the roll", "the right camber", "the left camber" };
        static constexpr std::array<double, 4> kLimit
            = { kMaxMeasuredDive, kMaxMeasuredRoll, kMaxMeasuredCamber, kMaxMeasuredCamber };
        std::array<std::optional<double>, 4> values;
        for (std::size_t i = 0; i < 4; ++i) {
            std::string reason;
            if (!readMeasurementField(fields[i], kLimit[i], values[i], reason)) {
                return refused(where + kWhat[i] + " " + reason);
            }
        }
        if (!values[0] || !values[1]) {
            return refused(where + (values[0] ? "the roll" : "the dive") + " is missing.");
        }
        MeasurementRow row { *values[0], *values[1], { values[2], values[3] } };
        if (set.find(row.dive, row.roll)) {
            return refused(where + "dive " + measurementNumberText(row.dive) + " and roll "
                + measurementNumberText(row.roll) + " are on an earlier row already.");
        }
        set.rows.push_back(row);
    }
    if (!headerSeen && !pasted) {
        return refused(
            std::string("The file is empty; it needs the header ") + kMeasurementHeader + ".");
    }
    MeasurementReadResult out;
    out.ok = true;
    out.set = std::move(set);
    return out;
}

} // namespace

bool MeasurementSet::hasReadings() const
{
    return std::any_of(rows.begin(), rows.end(),
        [](const MeasurementRow &r) { return r.camber[0] || r.camber[1]; });
}

const MeasurementRow *MeasurementSet::find(double dive, double roll) const
{
    for (const MeasurementRow &r : rows) {
        if (std::abs(r.dive - dive) <= kSamePosition && std::abs(r.roll - roll) <= kSamePosition) {
            return &r;
        }
    }
    return nullptr;
}

std::string measurementNumberText(std::optional<double> value)
{
    if (!value) {
        return {};
    }
    char buffer[32];
    const auto [end, ec] = toCharsShortest(buffer, buffer + sizeof buffer, *value);
    return ec == std::errc() ? std::string(buffer, end) : std::string {};
}

bool readMeasurementField(
    std::string_view text, double limit, std::optional<double> &value, std::string &reason)
{
    value.reset();
    text = trimmed(text);
    if (text.empty()) {
        return true;
    }
    double number = 0;
    if (!readDesignNumber(text, number)) {
        reason = "'" + std::string(text.substr(0, 20)) + "' is not a number.";
        return false;
    }
    if (std::abs(number) > limit) {
        reason = measurementNumberText(number) + " is beyond " + measurementNumberText(limit) + ".";
        return false;
    }
    value = number == 0 ? 0.0 : number; // no "-0" in the file
    return true;
}

std::string measurementFileText(const MeasurementSet &set)
{
    std::string text = std::string(kMeasurementHeader) + "\n";
    for (const MeasurementRow &r : set.rows) {
        text += measurementNumberText(r.dive) + "," + measurementNumberText(r.roll) + ","
            + measurementNumberText(r.camber[0]) + "," + measurementNumberText(r.camber[1]) + "\n";
    }
    return text;
}

MeasurementReadResult parseMeasurementText(std::string_view text)
{
    return parseRows(text, false);
}

MeasurementReadResult parsePastedMeasurements(std::string_view text)
{
    return parseRows(text, true);
}

MeasurementReadResult readMeasurementFile(const std::filesystem::path &path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        MeasurementReadResult out;
        out.found = false;
        out.message = "There is no file " + path.string() + ".";
        return out;
    }
    const ReadTextResult file = readTextFile(path, kMaxMeasurementFileBytes);
    if (!file.ok) {
        return refused(file.message);
    }
    MeasurementReadResult out = parseMeasurementText(file.text);
    if (!out.ok) {
        out.message = path.filename().string() + ": " + out.message;
    }
    return out;
}

WriteResult writeMeasurementFile(const std::filesystem::path &path, const MeasurementSet &set)
{
    return replaceFileContents(path, measurementFileText(set));
}

std::filesystem::path measurementFileFor(const std::filesystem::path &vehicleFile)
{
    std::filesystem::path out = vehicleFile;
    out.replace_extension(".measured.csv");
    return out;
}

} // namespace tarvik
