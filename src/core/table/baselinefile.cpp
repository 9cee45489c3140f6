// The baseline file of one quantity; see baselinefile.h.
#include "core/table/baselinefile.h"

#include "core/table/tablecsv.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <system_error>
#include <vector>

namespace tarvik {

namespace {

constexpr const char *kVersion = "1";
constexpr const char *kSideKeys[2] = { "right", "left" };

using Record = std::vector<std::string>;

// A text as one field of a one-line record.
std::string fieldText(std::string_view text)
{
    std::string plain;
    plain.reserve(text.size());
    for (const char c : text) {
        if (c != '\r' && c != '\n') {
            plain += c;
        }
    }
    return csvField(plain);
}

std::string integerText(int value)
{
    // The settings file holds 16-bit integers; keep the file within them too.
    return std::to_string(std::clamp(value, -32768, 32767));
}

void addRecord(std::string &text, const std::vector<std::string> &fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            text += ',';
        }
        text += fields[i];
    }
    text += kCsvCrLf;
}

// One line as RFC 4180 fields; std::nullopt for a malformed quote or a bare
// quote or CR inside an unquoted field.
std::optional<Record> splitRecord(std::string_view line)
{
    Record fields;
    std::size_t pos = 0;
    while (true) {
        std::string field;
        if (pos < line.size() && line[pos] == '"') {
            ++pos;
            while (true) {
                if (pos >= line.size()) {
                    return std::nullopt; // no closing quote
                }
                if (line[pos] == '"') {
                    if (pos + 1 < line.size() && line[pos + 1] == '"') {
                        field += '"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                field += line[pos++];
            }
            if (pos < line.size() && line[pos] != ',') {
                return std::nullopt; // text after the closing quote
            }
        } else {
            const std::size_t end = std::min(line.find(',', pos), line.size());
            const std::string_view plain = line.substr(pos, end - pos);
            if (plain.find_first_of("\"\r") != std::string_view::npos) {
                return std::nullopt;
            }
            field.assign(plain);
            pos = end;
        }
        fields.push_back(std::move(field));
        if (pos >= line.size()) {
            return fields;
        }
        ++pos; // the comma
    }
}

bool readInteger(const std::string &text, int &value)
{
    int parsed = 0;
    const char *first = text.data();
    const char *last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, parsed);
    if (text.empty() || error != std::errc() || end != last || parsed < -32768 || parsed > 32767) {
        return false;
    }
    value = parsed;
    return true;
}

class Parser
{
public:
    explicit Parser(std::string_view text)
        : m_text(text)
    {
    }

    // The next record, which must start with key and hold fieldCount fields.
    const Record *next(std::string_view key, std::size_t fieldCount)
    {
        if (!m_message.empty()) {
            return nullptr;
        }
        if (m_pos >= m_text.size()) {
            return fail("the file ends before its '" + std::string(key) + "' record");
        }
        ++m_line;
        const std::size_t lf = std::min(m_text.find('\n', m_pos), m_text.size());
        std::string_view line = m_text.substr(m_pos, lf - m_pos);
        m_pos = lf < m_text.size() ? lf + 1 : lf;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        // A text never holds a line break (the writer drops them), so a CR
        // anywhere else is damage, even inside quotes.
        if (line.find('\r') != std::string_view::npos) {
            return fail("a line holds a carriage return");
        }
        std::optional<Record> record = splitRecord(line);
        if (!record) {
            return fail("a field is not quoted properly");
        }
        if (record->front() != key) {
            return fail("expected the '" + std::string(key) + "' record");
        }
        if (record->size() != fieldCount) {
            return fail("the '" + std::string(key) + "' record holds "
                + std::to_string(record->size() - 1) + " values, not "
                + std::to_string(fieldCount - 1));
        }
        m_record = std::move(*record);
        return &m_record;
    }

    bool integer(const std::string &text, int &value)
    {
        if (m_message.empty() && !readInteger(text, value)) {
            fail("'" + text + "' is not a whole number");
        }
        return m_message.empty();
    }

    // Only blank lines may follow the last record.
    void end()
    {
        if (m_message.empty()
            && m_text.substr(m_pos).find_first_not_of("\r\n") != std::string_view::npos) {
            ++m_line;
            fail("there is more after the last record");
        }
    }

    const std::string &message() const { return m_message; }

    // Refuses the file at the current line; the first reason is kept.
    const Record *fail(const std::string &why)
    {
        if (m_message.empty()) {
            m_message = "line " + std::to_string(std::max(m_line, 1)) + ": " + why;
        }
        return nullptr;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 0;
    Record m_record;
    std::string m_message;
};

} // namespace

std::string baselineFileName(TableQuantity quantity)
{
    return "baseline-" + std::string(tableQuantityKey(quantity)) + ".txt";
}

std::string baselineFileText(const BaselineState &baseline, TableQuantity quantity)
{
    std::string text;
    addRecord(text, { kBaselineFileMagic, kVersion });
    addRecord(text, { "quantity", std::string(tableQuantityKey(quantity)) });
    const TableSpec &s = baseline.BaselineSpec;
    addRecord(text,
        { "spec", integerText(s.RowsAreRoll), fieldText(s.DiveFrom), fieldText(s.DiveTo),
            integerText(s.DiveIncIndex), fieldText(s.RollFrom), fieldText(s.RollTo),
            integerText(s.RollIncIndex) });
    addRecord(text, { "show", integerText(baseline.ShowBaseline) });
    addRecord(text, { "saved", integerText(baseline.BaselineIsSaved) });
    addRecord(text, { "comment", fieldText(baseline.BaselineComment) });
    for (std::size_t side = 0; side < 2; ++side) {
        for (std::size_t row = 0; row < kMaxTableRows; ++row) {
            std::vector<std::string> fields { kSideKeys[side], std::to_string(row + 1) };
            for (const std::string &cell : baseline.BaselineData[side][row]) {
                fields.push_back(fieldText(cell));
            }
            addRecord(text, fields);
        }
    }
    return text;
}

BaselineFileResult parseBaselineText(std::string_view text)
{
    BaselineFileResult out;
    if (text.size() > kMaxBaselineFileBytes) {
        out.message = "the file is too large to be a baseline";
        return out;
    }
    Parser p(text);
    BaselineState b; // filled here and handed out only when every record read

    const Record *r = p.next(kBaselineFileMagic, 2);
    if (r && (*r)[1] != kVersion) {
        out.message = "line 1: this baseline file is of version " + (*r)[1] + ", not " + kVersion;
        return out;
    }
    std::optional<TableQuantity> quantity;
    if ((r = p.next("quantity", 2)) && !(quantity = tableQuantityFromKey((*r)[1]))) {
        out.message = "line 2: '" + (*r)[1] + "' is not a table quantity";
        return out;
    }
    if ((r = p.next("spec", 8))) {
        TableSpec &s = b.BaselineSpec;
        s.DiveFrom = (*r)[2];
        s.DiveTo = (*r)[3];
        s.RollFrom = (*r)[5];
        s.RollTo = (*r)[6];
        p.integer((*r)[1], s.RowsAreRoll);
        p.integer((*r)[4], s.DiveIncIndex);
        p.integer((*r)[7], s.RollIncIndex);
    }
    if ((r = p.next("show", 2))) {
        p.integer((*r)[1], b.ShowBaseline);
    }
    if ((r = p.next("saved", 2))) {
        p.integer((*r)[1], b.BaselineIsSaved);
    }
    if ((r = p.next("comment", 2))) {
        b.BaselineComment = (*r)[1];
    }
    for (std::size_t side = 0; side < 2; ++side) {
        for (std::size_t row = 0; row < kMaxTableRows; ++row) {
            r = p.next(kSideKeys[side], 2 + kMaxTableColumns);
            if (!r) {
                break;
            }
            int number = 0;
            if (p.integer((*r)[1], number) && number != static_cast<int>(row + 1)) {
                p.fail("the " + std::string(kSideKeys[side]) + " rows are not numbered 1 to 10");
            }
            for (std::size_t c = 0; c < kMaxTableColumns; ++c) {
                b.BaselineData[side][row][c] = (*r)[2 + c];
            }
        }
    }
    p.end();
    if (!p.message().empty()) {
        out.message = p.message();
        return out;
    }
    out.ok = true;
    out.quantity = *quantity;
    out.baseline = std::move(b);
    return out;
}

BaselineFileResult readBaselineFile(const std::filesystem::path &path, TableQuantity quantity)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        BaselineFileResult out;
        out.found = false;
        out.message = "The file " + path.string() + " does not exist.";
        return out;
    }
    const ReadTextResult file = readTextFile(path, kMaxBaselineFileBytes);
    if (!file.ok) {
        BaselineFileResult out;
        out.message = file.message;
        return out;
    }
    BaselineFileResult out = parseBaselineText(file.text);
    if (out.ok && out.quantity != quantity) {
        const std::string held(tableQuantityName(out.quantity));
        out = BaselineFileResult {};
        out.message = "The file " + path.string() + " holds the " + held + " baseline, not the "
            + std::string(tableQuantityName(quantity)) + " baseline.";
        return out;
    }
    if (!out.ok) {
        out.message
            = "The file " + path.string() + " is not a baseline file (" + out.message + ").";
    }
    return out;
}

WriteResult writeBaselineFile(
    const std::filesystem::path &path, const BaselineState &baseline, TableQuantity quantity)
{
    return replaceFileContents(path, baselineFileText(baseline, quantity));
}

} // namespace tarvik
