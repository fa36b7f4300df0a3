#include "split_text.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* name;
    QByteArray text;
    QByteArray separator;
    QList<QByteArray> pieces;
};

void PrintTo(const SplitCase& c, std::ostream* out) {
    *out << c.name;
}

class SplitText : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitText, GivesThePieces) {
    const SplitCase& c = GetParam();
    QList<QByteArray> pieces;
    for (const QByteArrayView piece : splitText(c.text, c.separator))
        pieces.append(piece.toByteArray());
    EXPECT_EQ(pieces, c.pieces);
}

// 柱 is D6 F9; 丁 is B6 A1; the byte 2D inside a double-byte character is never a dash.
INSTANTIATE_TEST_SUITE_P(
    Rules, SplitText,
    testing::Values(SplitCase{"empty", "", "---", {}},
                    SplitCase{"no_separator", "abc", "---", {"abc"}},
                    SplitCase{"plain", "a---b---c", "---", {"a", "b", "c"}},
                    SplitCase{"leading", "---a", "---", {"", "a"}},
                    SplitCase{"adjacent", "a------b", "---", {"a", "", "b"}},
                    SplitCase{"four_dashes", "a----b", "---", {"a", "-b"}},
                    SplitCase{"trailing_gives_no_piece", "a---", "---", {"a"}},
                    SplitCase{"only_separator", "---", "---", {""}},
                    SplitCase{"lines", "x\r\ny\r\n", "\r\n", {"x", "y"}},
                    SplitCase{"last_line_unended", "x\r\ny", "\r\n", {"x", "y"}},
                    SplitCase{"empty_line", "x\r\n\r\ny\r\n", "\r\n", {"x", "", "y"}},
                    SplitCase{
                        "double_byte", "\xD6\xF9---\xB6\xA1", "---", {"\xD6\xF9", "\xB6\xA1"}},
                    SplitCase{"second_byte_is_no_start", "\x81-----a", "---", {"\x81-", "-a"}},
                    SplitCase{"day_separator",
                              "2024\xC4\xEA"
                              "10\xD4\xC2"
                              "8\xC8\xD5"
                              "14\xCA\xB1",
                              "\xC8\xD5",
                              {"2024\xC4\xEA"
                               "10\xD4\xC2"
                               "8",
                               "14\xCA\xB1"}},
                    SplitCase{"lone_lead_byte_at_end", "a---\xC8", "---", {"a", "\xC8"}},
                    SplitCase{"shorter_than_separator", "--", "---", {"--"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

} // namespace
