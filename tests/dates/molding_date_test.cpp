#include "molding_date.h"

#include "fakes.h"

#include <gtest/gtest.h>

namespace {

TEST(InitMoldingDate, WritesThePickerValueWithItsTimeOfDay) {
    const std::pair<DateTime, const char16_t*> cases[] = {
        {{2024, 10, 8, 14, 30, 12}, u"2024年10月8日14时30分12秒"},
        {{2024, 10, 8, 14, 30, 0}, u"2024年10月8日14时30分"},
        {{2024, 10, 8, 14, 0, 0}, u"2024年10月8日14时"},
        {{2024, 10, 8, 0, 0, 0}, u"2024年10月8日"},
        {{2024, 10, 8, 0, 5, 0}, u"2024年10月8日0时5分"},
    };
    for (const auto& [value, text] : cases) {
        FakeFields fields;
        initMoldingDate(fields, value);
        EXPECT_EQ(fields.texts[EntryField::MoldingDate], gbk(text));
        EXPECT_EQ(fields.texts.size(), 1);
    }
}

TEST(OnPickerDateChanged, WritesThePickedDateWithTheHourAndMinuteOfNow) {
    const DateTime picked{2024, 10, 5, 3, 41, 17};
    const std::pair<DateTime, const char16_t*> cases[] = {
        {{2024, 10, 8, 15, 7, 41}, u"2024年10月5日15时7分"},
        {{2024, 10, 8, 9, 5, 0}, u"2024年10月5日9时5分"},
        {{2024, 10, 8, 0, 0, 0}, u"2024年10月5日0时0分"},
        {{2024, 10, 8, 10, 0, 59}, u"2024年10月5日10时0分"},
    };
    for (const auto& [now, text] : cases) {
        FakeFields fields;
        fields.texts[EntryField::MoldingDate] = gbk(u"手写的日期");
        onPickerDateChanged(fields, picked, FixedClock(now));
        EXPECT_EQ(fields.texts[EntryField::MoldingDate], gbk(text));
    }
}

TEST(MoldingDateText, AlwaysWritesTheWholeYear) {
    EXPECT_EQ(moldingDateText({2025, 1, 1, 0, 0, 0}, {2024, 12, 31, 23, 59, 0}),
              gbk(u"2025年1月1日23时59分"));
    EXPECT_EQ(moldingDateText({100, 1, 1, 12, 0, 0}, {2024, 1, 1, 8, 3, 0}),
              gbk(u"100年1月1日8时3分"));
}

} // namespace
