// Reading a calculation definition file; see calcdefinition.h.
#include "core/calc/calcdefinition.h"

#include "core/layout/fieldreader.h"
#include "core/layout/textfile.h"
#include "core/support/shippedtext.h"
#include "core/text/legacytext.h"
#include "core/text/numberreading.h"

#include <cctype>
#include <cmath>
#include <system_error>

namespace tarvik {

namespace {

// Our definition files are well under a kilobyte; anything far larger is not
// one of them.
constexpr std::size_t kMaxDefinitionBytes = 256u * 1024u;

// Whole-number fields are 16-bit integers in the file format.
constexpr long kMaxInteger = 32767;
constexpr long kMinInteger = -32768;

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i]))
            != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// The sub-folder of `folder` called `name` in any letter case.
std::optional<std::filesystem::path> findFolderIgnoringCase(
    const std::filesystem::path &folder, std::string_view name)
{
    std::error_code error;
    const auto exact = folder / std::string(name);
    if (std::filesystem::is_directory(exact, error)) {
        return exact;
    }
    std::filesystem::directory_iterator it(folder, error);
    for (const std::filesystem::directory_iterator end; !error && it != end; it.increment(error)) {
        if (sameIgnoringCase(it->path().filename().string(), name) && it->is_directory(error)) {
            return it->path();
        }
    }
    return std::nullopt;
}

std::string rowLabel(int row)
{
    return "row " + std::to_string(row);
}

// Reads the records in order and stops at the first fault, keeping its
// reason; the definition is handed out only when every record was read.
class DefinitionParser
{
public:
    explicit DefinitionParser(std::string_view text)
        : m_reader(text)
    {
    }

    std::optional<CalcDefinition> parse();
    const std::string &reason() const { return m_reason; }

private:
    bool line(std::string &out, const std::string &what);
    bool field(std::string &out, const std::string &what);
    bool integer(int &out, const std::string &what);
    bool limit(double &out, const std::string &what);
    bool fail(std::string reason);
    bool readRow(CalcDefinitionRow &row, int number, int frame);

    FieldReader m_reader;
    std::string m_reason;
};

bool DefinitionParser::fail(std::string reason)
{
    m_reason = std::move(reason);
    return false;
}

bool DefinitionParser::line(std::string &out, const std::string &what)
{
    if (!m_reader.readLine(out)) {
        return fail("it ends before " + what);
    }
    return true;
}

bool DefinitionParser::field(std::string &out, const std::string &what)
{
    if (!m_reader.readField(out)) {
        return fail("it ends before " + what);
    }
    return true;
}

bool DefinitionParser::integer(int &out, const std::string &what)
{
    std::string text;
    if (!field(text, what)) {
        return false;
    }
    const std::size_t begin = text.find_first_not_of(" \t");
    const std::size_t end = text.find_last_not_of(" \t");
    if (begin == std::string::npos) {
        return fail(what + " is empty");
    }
    const std::string_view s = std::string_view(text).substr(begin, end - begin + 1);
    std::size_t i = 0;
    const bool negative = s[0] == '-';
    if (s[0] == '-' || s[0] == '+') {
        ++i;
    }
    if (i == s.size()) {
        return fail(what + " is not a whole number");
    }
    long value = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') {
            return fail(what + " is not a whole number");
        }
        value = value * 10 + (s[i] - '0');
        if (value > kMaxInteger + 1) {
            return fail(what + " is too large");
        }
    }
    value = negative ? -value : value;
    if (value > kMaxInteger || value < kMinInteger) {
        return fail(what + " is too large");
    }
    out = static_cast<int>(value);
    return true;
}

bool DefinitionParser::limit(double &out, const std::string &what)
{
    std::string text;
    if (!field(text, what)) {
        return false;
    }
    // The lenient number rule never gives an infinity or a NaN.
    out = readNumber(text);
    return true;
}

bool DefinitionParser::readRow(CalcDefinitionRow &row, int number, int frame)
{
    const std::string label = rowLabel(number);
    std::string head;
    if (!line(head, label)) {
        return false;
    }
    row.frame = frame;
    if (head.rfind("cmb", 0) == 0) {
        row.isChoice = true;
        row.caption = head.substr(3);
        int count = 0;
        if (!integer(count, "the item count of " + label)) {
            return false;
        }
        if (count < 0) {
            return fail("the item count of " + label + " is negative");
        }
        for (int i = 1; i <= count; ++i) {
            std::string item;
            if (!line(item, "item " + std::to_string(i) + " of " + label)) {
                return false;
            }
            row.items.push_back(std::move(item));
        }
        row.wideLayout = !row.items.empty() && row.items.front() == "Yes";
        return true;
    }
    row.caption = std::move(head);
    return limit(row.rowMax, "the maximum of " + label)
        && limit(row.rowMin, "the minimum of " + label);
}

std::optional<CalcDefinition> DefinitionParser::parse()
{
    CalcDefinition d;
    int unused = 0;
    std::string noteSwitch;
    if (!line(d.caption, "the window caption") || !line(d.resultName, "the result name")
        || !limit(d.resultMax, "the result's maximum")
        || !limit(d.resultMin, "the result's minimum")
        || !integer(unused, "the whole number after the result's limits")
        || !line(noteSwitch, "the note switch")) {
        return std::nullopt;
    }
    d.hasNote = noteSwitch.empty() || (noteSwitch[0] != 'N' && noteSwitch[0] != 'n');
    if (d.hasNote) {
        std::string height;
        if (!line(d.noteCaption, "the note caption") || !line(height, "the note height")
            || !line(d.noteText, "the note text")) {
            return std::nullopt;
        }
        const double lines = std::round(readNumber(height));
        d.noteLines = lines < 0 ? 0 : (lines > 100 ? 100 : static_cast<int>(lines));
    }

    int outputs = 0;
    if (!integer(outputs, "the number of outputs")) {
        return std::nullopt;
    }
    if (outputs < 0 || outputs > kCalcMaxOutputRows) {
        fail("it asks for " + std::to_string(outputs) + " outputs; 0 to 3 are allowed");
        return std::nullopt;
    }
    for (int j = 0; j < outputs; ++j) {
        std::string name;
        if (!line(name, "the name of output " + std::to_string(j + 1))) {
            return std::nullopt;
        }
        d.outputNames.push_back(std::move(name));
    }

    if (!integer(d.lastRow, "the number of the last row")
        || !integer(d.frameCount, "the number of frames")
        || !integer(d.frameRows[0], "the number of rows in frame 1")
        || !integer(d.frameRows[1], "the number of rows in frame 2")) {
        return std::nullopt;
    }
    if (d.frameCount != 1 && d.frameCount != 2) {
        fail("it asks for " + std::to_string(d.frameCount) + " frames; 1 or 2 are allowed");
        return std::nullopt;
    }
    if (d.frameCount == 1) {
        d.frameRows[1] = 0; // read, but a second frame that is not shown has no rows
    }
    if (d.frameRows[0] < 0 || d.frameRows[1] < 0) {
        fail("it gives a negative number of rows");
        return std::nullopt;
    }
    const int total = d.frameRows[0] + d.frameRows[1];
    if (total > kCalcMaxInputRows) {
        fail("it describes " + std::to_string(total) + " input rows; at most 10 are allowed");
        return std::nullopt;
    }
    if (d.lastRow < 0 || d.lastRow > kCalcMaxInputRows) {
        fail("its last row number " + std::to_string(d.lastRow) + " is not between 0 and 10");
        return std::nullopt;
    }

    int number = 1;
    for (int frame = 1; frame <= d.frameCount; ++frame) {
        if (!line(d.frameCaptions[static_cast<std::size_t>(frame - 1)],
                "the caption of frame " + std::to_string(frame))) {
            return std::nullopt;
        }
        for (int i = 0; i < d.frameRows[static_cast<std::size_t>(frame - 1)]; ++i, ++number) {
            CalcDefinitionRow row;
            if (!readRow(row, number, frame)) {
                return std::nullopt;
            }
            d.rows.push_back(std::move(row));
        }
    }
    return d;
}

std::string unusable(std::string_view fileLabel, std::string_view reason)
{
    return "The calculation file " + std::string(fileLabel)
        + " cannot be used: " + std::string(reason) + ".";
}

} // namespace

std::string calcDefinitionBaseName(CalcMode mode)
{
    switch (mode) {
    case CalcMode::Shim:
        return "SHIMNEW";
    case CalcMode::GainSpec:
        return "GAINSPEC";
    case CalcMode::TableSpec:
        return "TABLSPEC";
    case CalcMode::Spring:
        return "spring";
    default:
        return {};
    }
}

std::string calcDefinitionFileName(CalcMode mode, Units units)
{
    const std::string base = calcDefinitionBaseName(mode);
    if (base.empty()) {
        return {};
    }
    return base + (units == Units::Metric ? "m" : "") + ".CLC";
}

std::filesystem::path findCalcDefinitionFile(
    const std::filesystem::path &dataDir, CalcMode mode, Units units)
{
    const std::string name = calcDefinitionFileName(mode, units);
    if (name.empty()) {
        return {};
    }
    const auto folder = findFolderIgnoringCase(dataDir, "CALC");
    if (!folder) {
        return {};
    }
    const auto file = findFileIgnoringCase(*folder, name);
    return file ? *file : std::filesystem::path {};
}

CalcDefinitionResult parseCalcDefinition(std::string_view text, std::string_view fileLabel)
{
    // Files saved by other editors may open with a byte-order mark or hold
    // single-byte Windows text; neither may reach a caption as it is.
    std::string utf8 = utf8FromLegacy(text);
    std::string_view body = utf8;
    if (body.substr(0, 3) == "\xEF\xBB\xBF") {
        body.remove_prefix(3);
    }
    DefinitionParser parser(body);
    CalcDefinitionResult out;
    out.definition = parser.parse();
    if (!out.definition) {
        out.message = unusable(fileLabel, parser.reason());
    }
    return out;
}

CalcDefinitionResult loadCalcDefinition(const std::filesystem::path &file)
{
    const ReadTextResult read = readTextFile(file, kMaxDefinitionBytes);
    if (!read.ok) {
        return { std::nullopt, read.message };
    }
    return parseCalcDefinition(read.text, file.string());
}

CalcDefinitionResult loadCalcDefinitionFor(
    const std::filesystem::path &dataDir, CalcMode mode, Units units)
{
    const std::string name = calcDefinitionFileName(mode, units);
    if (name.empty()) {
        return { std::nullopt,
            "There is no calculation number " + std::to_string(static_cast<int>(mode))
                + " to open." };
    }
    const std::filesystem::path file = findCalcDefinitionFile(dataDir, mode, units);
    if (file.empty()) {
        return { std::nullopt,
            "The calculation file " + (dataDir / "CALC" / name).string()
                + " was not found, so this calculation cannot be opened." };
    }
    return loadCalcDefinition(file);
}

std::string calcDefinitionMismatch(
    CalcMode mode, const CalcDefinition &definition, std::string_view fileLabel)
{
    // 'c' a choice row, 'n' a numeric row, by row number from 1.
    std::string_view shape;
    std::size_t outputs = 0;
    switch (mode) {
    case CalcMode::Shim:
        shape = "ccccn";
        outputs = 3;
        break;
    case CalcMode::GainSpec:
        shape = "cnn";
        break;
    case CalcMode::TableSpec:
        shape = "cnncnnc";
        break;
    case CalcMode::Spring:
        shape = "ccnnnnn";
        outputs = 1;
        break;
    default:
        return {};
    }
    if (definition.outputNames.size() < outputs) {
        return unusable(fileLabel,
            "this calculation needs " + std::to_string(outputs) + " outputs and it has "
                + std::to_string(definition.outputNames.size()));
    }
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const std::string label = rowLabel(static_cast<int>(i + 1));
        if (i >= definition.rows.size()) {
            return unusable(fileLabel, "this calculation needs " + label + " and it has none");
        }
        const bool wantChoice = shape[i] == 'c';
        if (definition.rows[i].isChoice != wantChoice) {
            return unusable(
                fileLabel, label + " must be " + (wantChoice ? "a choice list" : "a number box"));
        }
    }
    return {};
}

} // namespace tarvik
