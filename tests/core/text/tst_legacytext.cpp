// Telling UTF-8 from the single-byte text of older files.
#include "core/text/legacytext.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(LegacyText, OnlyWellFormedUtf8IsKept)
{
    const struct
    {
        const char *name;
        std::string text;
        bool valid;
    } cases[] = { { "ascii", "12.5 in", true }, { "two and three bytes", "2\u00B0 \u20AC", true },
        { "four bytes", "\xF0\x9F\x9A\x97", true }, { "lone high byte", "2\xB0", false },
        { "overlong slash", "\xC0\xAF", false }, { "surrogate", "\xED\xA0\x80", false },
        { "cut short at the end", "ok \xE2\x82", false },
        { "past U+10FFFF", "\xF4\x90\x80\x80", false } };
    for (const auto &c : cases) {
        EXPECT_EQ(isValidUtf8(c.text), c.valid) << c.name;
        const std::string out = utf8FromLegacy(c.text);
        EXPECT_TRUE(isValidUtf8(out)) << c.name;
        if (c.valid) {
            EXPECT_EQ(out, c.text) << c.name;
        }
    }
    // Windows-1252's own letters above 0x7F, and a byte it leaves undefined.
    EXPECT_EQ(utf8FromLegacy("\x93Hi\x94 \x81"), "\u201CHi\u201D \u0081");
}

} // namespace
} // namespace tarvik
