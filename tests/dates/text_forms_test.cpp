#include "text_forms.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct ValueCase {
    const char* name;
    QByteArray text;
    qint32 value;
};

void PrintTo(const ValueCase& c, std::ostream* out) {
    *out << c.name;
}

class IntegerValue : public testing::TestWithParam<ValueCase> {};

TEST_P(IntegerValue, ReadsTheLeadingNumber) {
    EXPECT_EQ(integerValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerValue,
    testing::Values(
        ValueCase{"empty", "", 0}, ValueCase{"plain", "28", 28}, ValueCase{"blank", " 7", 7},
        ValueCase{"tab", "\t7", 7}, ValueCase{"all_white_space", "\n\v\f\r 7", 7},
        ValueCase{"trailing_word", gbk(u"7天"), 7}, ValueCase{"minus", "-3", -3},
        ValueCase{"plus", "+4", 4}, ValueCase{"cut_not_rounded", "3.9", 3},
        ValueCase{"full_width_digits", gbk(u"２８"), 28},
        ValueCase{"ideographic_space", gbk(u"　7"), 7},
        ValueCase{"full_width_minus", gbk(u"－５"), -5},
        ValueCase{"full_width_plus", gbk(u"＋５"), 5}, ValueCase{"blank_after_sign", "- 3", 0},
        ValueCase{"two_signs", "+-3", 0}, ValueCase{"letters", "abc", 0},
        ValueCase{"chinese_numerals", gbk(u"二十八"), 0}, ValueCase{"leading_zeros", "007", 7},
        ValueCase{"largest", "2147483647", 2147483647},
        ValueCase{"wraps_to_smallest", "2147483648", std::numeric_limits<qint32>::min()},
        ValueCase{"wraps_modulo_2_32", "4294967297", 1},
        ValueCase{"negative_smallest", "-2147483648", std::numeric_limits<qint32>::min()},
        ValueCase{"double_byte_then_digit", gbk(u"约7"), 0}),
    [](const testing::TestParamInfo<ValueCase>& info) { return info.param.name; });

TEST(IntegerText, HasNoSignPaddingOrGrouping) {
    EXPECT_EQ(integerText(0), "0");
    EXPECT_EQ(integerText(7), "7");
    EXPECT_EQ(integerText(-12), "-12");
    EXPECT_EQ(integerText(2147483648LL), "2147483648");
    EXPECT_EQ(integerText(std::numeric_limits<qint64>::min()), "-9223372036854775808");
}

TEST(MonthDayText, WritesTheNumbersAsGiven) {
    EXPECT_EQ(monthDayText(10, 1), QByteArray::fromHex("3130d4c231c8d5"));
    EXPECT_EQ(monthDayText(3, 5), gbk(u"3月5日"));
    EXPECT_EQ(monthDayText(12, 31), gbk(u"12月31日"));
    EXPECT_EQ(monthDayText(5, 0), gbk(u"5月0日"));
    EXPECT_EQ(monthDayText(5, -3), gbk(u"5月-3日"));
    EXPECT_EQ(yearMonthDayText(2012, 1, 1), gbk(u"2012年1月1日"));
}

struct DateTextCase {
    DateTime moment;
    const char16_t* text;
};

void PrintTo(const DateTextCase& c, std::ostream* out) {
    *out << c.moment.year << '-' << c.moment.month << '-' << c.moment.day << ' ' << c.moment.hour
         << ':' << c.moment.minute << ':' << c.moment.second;
}

class DateText : public testing::TestWithParam<DateTextCase> {};

TEST_P(DateText, CutsTheTimeAfterItsLastNonZeroUnit) {
    EXPECT_EQ(dateText(GetParam().moment), gbk(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Moments, DateText,
    testing::Values(DateTextCase{{2011, 10, 1, 0, 0, 0}, u"2011年10月1日"},
                    DateTextCase{{2011, 10, 1, 12, 0, 0}, u"2011年10月1日12时"},
                    DateTextCase{{2011, 10, 1, 12, 5, 0}, u"2011年10月1日12时5分"},
                    DateTextCase{{2011, 10, 1, 12, 5, 3}, u"2011年10月1日12时5分3秒"},
                    DateTextCase{{2011, 10, 1, 0, 5, 0}, u"2011年10月1日0时5分"},
                    DateTextCase{{2011, 10, 1, 12, 0, 3}, u"2011年10月1日12时0分3秒"},
                    DateTextCase{{2011, 10, 1, 0, 0, 7}, u"2011年10月1日0时0分7秒"},
                    DateTextCase{{2024, 3, 7, 9, 5, 0}, u"2024年3月7日9时5分"},
                    DateTextCase{{9999, 12, 31, 0, 0, 0}, u"9999年12月31日"},
                    DateTextCase{{9999, 12, 31, 13, 0, 0}, u"9999年12月31日"},
                    DateTextCase{{100, 1, 1, 8, 30, 0}, u"100年1月1日"},
                    DateTextCase{{100, 1, 2, 8, 30, 0}, u"100年1月2日8时30分"}));

} // namespace
