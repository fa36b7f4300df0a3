#include "due_date.h"

#include "fakes.h"

#include <gtest/gtest.h>

namespace {

struct DueCase {
    QDate today;
    QByteArray age;
    const char16_t* due;
};

void PrintTo(const DueCase& c, std::ostream* out) {
    *out << c.today.toString(Qt::ISODate).toStdString() << " + '" << c.age.toStdString() << "'";
}

class DueDate : public testing::TestWithParam<DueCase> {};

TEST_P(DueDate, AgeFieldChangeWritesTheDueDate) {
    const DueCase& c = GetParam();
    FakeFields fields;
    fields.texts[EntryField::Age] = c.age;
    fields.texts[EntryField::DueDate] = "old";
    const FixedClock clock({c.today.year(), c.today.month(), c.today.day(), 23, 59, 59});
    onAgeChanged(fields, clock);
    EXPECT_EQ(fields.texts[EntryField::DueDate], gbk(c.due));
    EXPECT_EQ(fields.writes[EntryField::DueDate], 1) << "written once by the handler";
    EXPECT_EQ(fields.texts.size(), 2) << "no other field is touched";
}

const QDate k10May2011(2011, 5, 10);

INSTANTIATE_TEST_SUITE_P(
    WithinTheYear, DueDate,
    testing::Values(
        DueCase{k10May2011, "28", u"6月7日"}, DueCase{k10May2011, "21", u"5月31日"},
        DueCase{k10May2011, "22", u"6月1日"}, DueCase{k10May2011, "0", u"5月10日"},
        DueCase{k10May2011, "", u"5月10日"}, DueCase{k10May2011, "abc", u"5月10日"},
        DueCase{k10May2011, gbk(u"28天"), u"6月7日"}, DueCase{k10May2011, gbk(u"２８"), u"6月7日"},
        DueCase{k10May2011, "3.9", u"5月13日"}, DueCase{k10May2011, "-3", u"5月7日"},
        DueCase{k10May2011, "56", u"7月5日"}, DueCase{k10May2011, "60", u"7月9日"},
        DueCase{k10May2011, "90", u"8月8日"}, DueCase{k10May2011, "100", u"8月18日"},
        DueCase{k10May2011, "52", u"7月1日"}, DueCase{k10May2011, "-10", u"4月30日"},
        DueCase{k10May2011, "-15", u"4月25日"}, DueCase{QDate(2011, 4, 30), "0", u"4月30日"},
        DueCase{QDate(2011, 4, 30), "1", u"5月1日"}, DueCase{QDate(2011, 4, 30), "31", u"5月31日"},
        DueCase{QDate(2011, 6, 30), "1", u"7月1日"}, DueCase{QDate(2011, 11, 30), "1", u"12月1日"},
        DueCase{QDate(2011, 11, 30), "31", u"12月31日"},
        DueCase{QDate(2011, 1, 31), "1", u"2月1日"}, DueCase{QDate(2011, 1, 31), "31", u"3月3日"},
        DueCase{QDate(2011, 12, 31), "-1", u"12月30日"}));

INSTANTIATE_TEST_SUITE_P(LeapYears, DueDate,
                         testing::Values(DueCase{QDate(2011, 2, 28), "1", u"3月1日"},
                                         DueCase{QDate(2012, 2, 28), "1", u"2月29日"},
                                         DueCase{QDate(2012, 2, 28), "2", u"3月1日"},
                                         DueCase{QDate(2012, 2, 1), "28", u"2月29日"},
                                         DueCase{QDate(2012, 2, 1), "29", u"3月1日"},
                                         DueCase{QDate(2100, 2, 28), "1", u"3月1日"},
                                         DueCase{QDate(2000, 2, 28), "1", u"2月29日"}));

INSTANTIATE_TEST_SUITE_P(IntoOtherYears, DueDate,
                         testing::Values(DueCase{k10May2011, "3650", u"2021年5月7日"},
                                         DueCase{QDate(2011, 11, 30), "32", u"2012年1月1日"},
                                         DueCase{QDate(2011, 12, 1), "30", u"12月31日"},
                                         DueCase{QDate(2011, 12, 1), "31", u"2012年1月1日"},
                                         DueCase{QDate(2011, 12, 1), "61", u"2012年1月31日"},
                                         DueCase{QDate(2011, 12, 1), "100", u"2012年3月10日"},
                                         DueCase{QDate(2011, 12, 20), "11", u"12月31日"},
                                         DueCase{QDate(2011, 12, 20), "12", u"2012年1月1日"},
                                         DueCase{QDate(2011, 12, 20), "28", u"2012年1月17日"},
                                         DueCase{QDate(2011, 1, 5), "-10", u"2010年12月26日"}));

// The largest ages leave any calendar in use but still give a date text: the proleptic
// Gregorian calendar, which has no year 0 (1 BC is -1).
INSTANTIATE_TEST_SUITE_P(ExtremeAges, DueDate,
                         testing::Values(DueCase{k10May2011, "2147483647", u"5881621年11月17日"},
                                         DueCase{k10May2011, "2147483648", u"-5877601年10月29日"},
                                         DueCase{k10May2011, "-2147483648",
                                                 u"-5877601年10月29日"}));

TEST(DueDate, DeletingTheAgeTextRecomputesAfterEachChange) {
    FakeFields fields;
    const FixedClock clock({2011, 5, 10, 9, 0, 0});
    QList<QByteArray> seen;
    for (const QByteArray age : {"28", "2", ""}) {
        fields.texts[EntryField::Age] = age;
        onAgeChanged(fields, clock);
        seen.append(fields.texts[EntryField::DueDate]);
    }
    EXPECT_EQ(seen, (QList<QByteArray>{gbk(u"6月7日"), gbk(u"5月12日"), gbk(u"5月10日")}));
}

TEST(DueDate, CountsFromTodayNotFromTheMoldingDate) {
    FakeFields fields;
    fields.texts[EntryField::MoldingDate] = gbk(u"2011年5月3日9时0分");
    fields.texts[EntryField::Age] = "7";
    onAgeChanged(fields, FixedClock({2011, 5, 10, 9, 0, 0}));
    EXPECT_EQ(fields.texts[EntryField::DueDate], gbk(u"5月17日"));
}

} // namespace
