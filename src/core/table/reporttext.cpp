// Time and date texts, the vehicle comment wrapping and the font choice of
// the camber table report (see reporttext.h).
#include "core/table/reporttext.h"

#include <cctype>
#include <cstdio>

namespace tarvik {

namespace {

constexpr int kMaxCommentLines = 20;
// A line holds at most 75 characters; a line cut without a break holds 74.
constexpr int kLineChars = 75;
constexpr int kCutChars = 74;

bool isUtf8Continuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Line breaks and the other low control characters that lead a line are dropped.
bool isLeadingControl(char c)
{
    return static_cast<unsigned char>(c) <= 28;
}

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

bool hasPrintableText(std::string_view line)
{
    return line.find_first_not_of(' ') != std::string_view::npos;
}

std::string twoDigits(long long value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02lld", value);
    return buffer;
}

std::string upperCase(std::string text)
{
    for (char &ch : text) {
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
    return text;
}

} // namespace

std::string reportTitleLine(const std::string &titleLine, TableQuantity quantity, bool metric)
{
    return titleLine + "  -  " + std::string(tableQuantityCaption(quantity, metric));
}

std::string reportVehicleLine(const std::string &fileName)
{
    return fileName.empty() ? std::string() : "Vehicle File:  " + fileName;
}

std::string reportTimeText(const std::tm &time)
{
    const long long hour24 = ((static_cast<long long>(time.tm_hour) % 24) + 24) % 24;
    const long long hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
    return twoDigits(hour12) + ":" + twoDigits(time.tm_min) + ":" + twoDigits(time.tm_sec) + ":"
        + (hour24 < 12 ? "am" : "pm");
}

std::string reportDateText(const std::tm &time)
{
    char year[32];
    std::snprintf(year, sizeof year, "%04lld", static_cast<long long>(time.tm_year) + 1900);
    return twoDigits(time.tm_mday) + ":" + twoDigits(static_cast<long long>(time.tm_mon) + 1) + ":"
        + year;
}

std::string reportTimeLine(
    const std::string &timeText, const std::string &dateText, bool continuation)
{
    std::string line = "Time:  " + timeText + "              Date:  " + dateText;
    if (continuation) {
        line += "        cont.";
    }
    return line;
}

std::string reportCommentLine(const std::string &comment)
{
    return comment.empty() ? std::string() : "Report Comment:  " + comment;
}

std::string reportBaselineCommentLine(const std::string &comment)
{
    return comment.empty() ? std::string() : "Baseline Comment:  " + comment;
}

std::vector<std::string> wrapVehicleComment(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t pos = 0;
    std::size_t end = text.size();
    for (int count = 0; count < kMaxCommentLines; ++count) {
        while (pos < end && isLeadingControl(text[pos])) {
            ++pos;
        }
        if (pos == end) {
            break;
        }
        // Walk the first 75 characters: the first line break ends the walk,
        // the last blank and the end of the 74th character are noted.
        std::size_t lineBreak = std::string_view::npos;
        std::size_t blank = std::string_view::npos;
        std::size_t cut = std::string_view::npos;
        std::size_t i = pos;
        for (int chars = 0; i < end && chars < kLineChars;) {
            if (isLineBreak(text[i])) {
                lineBreak = i;
                break;
            }
            if (text[i] == ' ') {
                blank = i;
            }
            ++i;
            while (i < end && isUtf8Continuation(text[i])) {
                ++i;
            }
            if (++chars == kCutChars) {
                cut = i;
            }
        }

        std::string_view line;
        if (lineBreak != std::string_view::npos) {
            line = text.substr(pos, lineBreak - pos);
            pos = lineBreak + 1;
            if (text[lineBreak] == '\r' && pos < end && text[pos] == '\n') {
                ++pos;
            }
            // The rest is trimmed of blanks at both ends.
            while (pos < end && text[pos] == ' ') {
                ++pos;
            }
            while (end > pos && text[end - 1] == ' ') {
                --end;
            }
        } else if (i == end) {
            line = text.substr(pos, end - pos); // 75 characters or fewer remain
            pos = end;
        } else if (blank != std::string_view::npos) {
            line = text.substr(pos, blank - pos);
            pos = blank + 1;
        } else {
            line = text.substr(pos, cut - pos);
            pos = cut;
        }
        if (hasPrintableText(line)) {
            lines.emplace_back(line);
        }
    }
    return lines;
}

std::string chooseReportFont(const std::vector<std::string> &fontNames)
{
    for (const char *prefix : { "MSSANS", "ARIAL", "UNIVE", "ROMAN" }) {
        for (const std::string &name : fontNames) {
            if (upperCase(name).starts_with(prefix)) {
                return name;
            }
        }
    }
    return kReportFallbackFont;
}

} // namespace tarvik
