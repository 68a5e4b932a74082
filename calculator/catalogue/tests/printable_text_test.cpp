#include <gtest/gtest.h>

#include "catalogue/printable_text.h"

namespace veltra {
namespace {

using namespace std::string_view_literals;

TEST(PrintableText, ReplacesWhatCouldActOnTheScreenKeepsTheRest) {
    EXPECT_EQ(PrintableText("Шкаф «A» 9\u00A0плат €"), "Шкаф «A» 9\u00A0плат €");
    // NUL, ESC, BEL, CR, LF, DEL, C1 CSI, invalid bytes, a reordering mark.
    EXPECT_EQ(PrintableText("a\0b\x1b]0;t\x07\r\n\x7f\u009b\xff\xc3\u202e"sv),
              "a\uFFFDb\uFFFD]0;t\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(TerminalText("line 1\n\tline 2\r\x1b[2J"), "line 1\n\tline 2\uFFFD\uFFFD[2J");
}

TEST(PrintableText, ExcerptCutsByCharacters) {
    EXPECT_EQ(Excerpt("абв", 3), "абв");
    EXPECT_EQ(Excerpt("абвг", 3), "абв\u2026");
    EXPECT_EQ(Excerpt(std::string(3'000'000, 'x')).size(), kExcerptCharacters + 3);
}

}  // namespace
}  // namespace veltra
