// Fraction entry and whole-number rounding of typed box texts. A fraction is
// "[whole ]numerator/denominator" (or with '\'), the whole part taken with
// its own sign and the fraction added to it as typed, so "-1 1/2" is -.5.
// The result of a fraction is shown with "######.###" (at most three
// decimals, a trailing point for whole results: "3 4/4" gives "4.").
#include "core/text/entrytext.h"

#include "core/text/numberreading.h"
#include "core/text/numbertext.h"
#include "core/text/pictureformat.h"

#include <cmath>

namespace tarvik {

namespace {

std::string_view trimSpaces(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

} // namespace

EntryText normaliseEntryText(std::string_view text, bool wholeNumbersOnly)
{
    EntryText out;
    if (wholeNumbersOnly) {
        // Half up: the largest whole number not above number + 0.5.
        out.text = numberText(std::floor(readNumber(text) + 0.5));
        return out;
    }

    std::string s(trimSpaces(text));
    auto slash = s.find('/');
    if (slash == std::string::npos)
        slash = s.find('\\');
    if (slash == std::string::npos) {
        out.text = numberText(readNumber(s));
        return out;
    }

    const auto space = s.find(' ');
    // A fraction is worked out only when its slash follows the first space,
    // or when there is no space at all.
    if (space == std::string::npos || slash > space) {
        std::string_view all(s);
        const std::string_view numerator
            = space == std::string::npos ? all.substr(0, slash) : all.substr(space, slash - space);
        const std::string_view denominator = all.substr(slash + 1);
        const double whole = space == std::string::npos ? 0.0 : readNumber(all.substr(0, space));
        const double divisor = readNumber(denominator);
        const double value = whole + readNumber(numerator) / divisor;
        if (divisor == 0.0 || !std::isfinite(value)) {
            out.ok = false;
            return out;
        }
        out.text = formatPicture(value, "######.###");
        return out;
    }

    // The slash comes before the first space: the text stays as typed, with
    // a backslash shown as a slash.
    const auto backslash = s.find('\\');
    if (backslash != std::string::npos)
        s[backslash] = '/';
    out.text = s;
    return out;
}

} // namespace tarvik
