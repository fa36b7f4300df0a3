#include "due_today.h"

#include "desk_fixture.h"

namespace {

struct DueTodayCase {
    const char* name;
    QDate today;
    const char16_t* cell;
    bool due;
};

void PrintTo(const DueTodayCase& c, std::ostream* out) {
    *out << c.name;
}

class IsDueToday : public testing::TestWithParam<DueTodayCase> {};

TEST_P(IsDueToday, Decides) {
    const DueTodayCase& c = GetParam();
    EXPECT_EQ(isDueToday(gbk(c.cell), c.today), c.due);
}

const QDate k5Jan2026(2026, 1, 5);
const QDate k15Jan2026(2026, 1, 15);

INSTANTIATE_TEST_SUITE_P(
    Cells, IsDueToday,
    testing::Values(
        DueTodayCase{"month_day", k5Jan2026, u"1月5日", true},
        DueTodayCase{"this_year", k5Jan2026, u"2026年1月5日", true},
        DueTodayCase{"last_year", k5Jan2026, u"2025年1月5日", false},
        DueTodayCase{"next_year", k5Jan2026, u"2027年1月5日", false},
        DueTodayCase{"november_is_not_january", k5Jan2026, u"11月5日", false},
        DueTodayCase{"december_is_not_february", QDate(2026, 2, 8), u"12月8日", false},
        DueTodayCase{"fifteenth_is_not_fifth", k5Jan2026, u"1月15日", false},
        DueTodayCase{"twenty_fifth_is_not_fifth", k5Jan2026, u"1月25日", false},
        DueTodayCase{"fifth_is_not_fifteenth", k15Jan2026, u"1月5日", false},
        DueTodayCase{"zero_padded_day_never", k5Jan2026, u"1月05日", false},
        DueTodayCase{"zero_padded_month", k15Jan2026, u"01月15日", true},
        DueTodayCase{"zero_padded_month_with_year", QDate(2012, 1, 1), u"2012年01月1日", true},
        DueTodayCase{"zero_padded_month_other_year", QDate(2013, 1, 1), u"2012年01月1日", false},
        DueTodayCase{"zero_padded_year", k5Jan2026, u"02026年1月5日", true},
        DueTodayCase{"digits_before_zeros", k5Jan2026, u"101月5日", false},
        DueTodayCase{"words_after", k5Jan2026, u"1月5日上午", true},
        DueTodayCase{"words_before", k5Jan2026, u"约1月5日", true},
        DueTodayCase{"year_word_without_digits", k5Jan2026, u"明年1月5日", true},
        DueTodayCase{"later_match_counts", k5Jan2026, u"2025年1月5日或1月5日", true},
        DueTodayCase{"empty", k5Jan2026, u"", false},
        DueTodayCase{"past_month_end", QDate(2026, 7, 31), u"7月85日", false},
        DueTodayCase{"day_zero", QDate(2026, 5, 1), u"5月0日", false},
        DueTodayCase{"full_width_is_not_folded", k5Jan2026, u"１月５日", false}),
    [](const testing::TestParamInfo<DueTodayCase>& info) { return info.param.name; });

TEST(IsDueToday, MatchesOnlyAtCharacterStarts) {
    // The second byte of 81 31 is the digit 1 as a byte, but no character starts there.
    const QByteArray trap = QByteArray("\x81\x31") + gbk(u"月5日");
    EXPECT_FALSE(isDueToday(trap, k5Jan2026));
    EXPECT_TRUE(isDueToday(QByteArray("\x81\x40") + gbk(u"1月5日"), k5Jan2026));
}

class ReportDueToday : public DeskTest {};

TEST_F(ReportDueToday, ListsTheDueNumbersInTableOrder) {
    addRows({{"12", gbk(u"1月5日")}, {"13", gbk(u"1月6日")}, {"14", gbk(u"2026年1月5日")}});
    reportDueToday(desk);
    ASSERT_EQ(informer.shown.size(), 1);
    EXPECT_EQ(informer.shown[0].text, gbk(u"到期编号如下\r\n12\r\n14\r\n"));
    EXPECT_EQ(informer.shown[0].title, gbk(u"提示"));
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(readFile(), "<missing>") << "the report writes nothing";
}

TEST_F(ReportDueToday, ShowsTheHeadingAloneWhenNothingIsDue) {
    reportDueToday(desk);
    addRows({{"12", gbk(u"1月6日")}});
    reportDueToday(desk);
    ASSERT_EQ(informer.shown.size(), 2);
    EXPECT_EQ(informer.shown[0].text, gbk(u"到期编号如下\r\n"));
    EXPECT_EQ(informer.shown[1].text, gbk(u"到期编号如下\r\n"));
}

TEST_F(ReportDueToday, DueRowWithEmptyNumberGivesAnEmptyLine) {
    addRows({{"", gbk(u"1月5日")}, {"9", gbk(u"1月5日")}});
    reportDueToday(desk);
    EXPECT_EQ(informer.shown[0].text, gbk(u"到期编号如下\r\n\r\n9\r\n"));
}

} // namespace
