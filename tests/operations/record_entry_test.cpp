#include "record_entry.h"

#include "desk_fixture.h"
#include "ordinary_user.h"

#include <QFileInfo>

namespace {

class EnterRecord : public DeskTest {
protected:
    void fillFields(const SpecimenRecord& texts) {
        const EntryField order[] = {EntryField::Number,   EntryField::Groups,
                                    EntryField::Location, EntryField::MoldingDate,
                                    EntryField::Age,      EntryField::DueDate};
        for (int column = 0; column < kColumnCount; ++column)
            fields.texts[order[column]] = texts[column];
    }

    SpecimenRecord lastRow() const {
        SpecimenRecord record;
        for (int column = 0; column < kColumnCount; ++column)
            record[column] = table.cellText(table.rowCount() - 1, column);
        return record;
    }

    const SpecimenRecord entry = {
        "17", "3", gbk(u"柱"), gbk(u"2024年10月8日14时30分"), "28", gbk(u"11月5日")};
};

TEST_F(EnterRecord, AppendsTheFieldsAdvancesNumberAndGroupsAndSaves) {
    addRows({{"1", "a"}, {"2", "b"}, {"3", "c"}, {"4", "d"}});
    fillFields(entry);
    enterRecord(desk);
    EXPECT_TRUE(informer.shown.isEmpty());
    ASSERT_EQ(table.rowCount(), 5);
    EXPECT_EQ(lastRow(), entry);
    EXPECT_FALSE(table.isChecked(4));
    EXPECT_EQ(fields.texts[EntryField::Number], "6");
    EXPECT_EQ(fields.texts[EntryField::Groups], "4");
    EXPECT_EQ(fields.texts[EntryField::Location], entry[Location]);
    EXPECT_EQ(fields.texts[EntryField::MoldingDate], entry[MoldingDate]);
    EXPECT_EQ(fields.texts[EntryField::Age], entry[Age]);
    EXPECT_EQ(fields.texts[EntryField::DueDate], entry[DueDate]);
    EXPECT_EQ(readFile().count("\r\n"), 5);
    EXPECT_TRUE(
        readFile().endsWith(gbk(u"17---3---柱---2024年10月8日14时30分---28---11月5日\r\n")));
}

TEST_F(EnterRecord, TwoPressesWithoutTouchingTheFieldsNumberOnFromTheTable) {
    addRows({{"1", "a"}, {"2", "b"}, {"3", "c"}, {"4", "d"}});
    fillFields({"5", "1", "x", "y", "7", "z"});
    enterRecord(desk);
    enterRecord(desk);
    EXPECT_EQ(numbers(), (QList<QByteArray>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(table.cellText(4, GroupCount), "1");
    EXPECT_EQ(table.cellText(5, GroupCount), "2");
    EXPECT_EQ(fields.texts[EntryField::Number], "7");
    EXPECT_EQ(fields.texts[EntryField::Groups], "3");
}

TEST_F(EnterRecord, NextGroupCountFollowsTheIntegerValue) {
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"abc", "1"},
        {gbk(u"12组"), "13"},
        {" 7", "8"},
        {"-1", "0"},
        {gbk(u"２"), "3"},
        {"2147483647", "2147483648"},
        {"2147483648", "-2147483647"},
    };
    for (const auto& [groups, next] : cases) {
        fillFields({"1", groups, "x", "y", "7", "z"});
        enterRecord(desk);
        EXPECT_EQ(fields.texts[EntryField::Groups], next) << groups.toStdString();
        EXPECT_EQ(lastRow()[GroupCount], groups);
    }
}

TEST_F(EnterRecord, EmptyTableGivesNumberTwoAndBlanksAreNotEmpty) {
    fillFields({"A-12", "1", " ", "y", gbk(u"二十八"), ""});
    enterRecord(desk);
    EXPECT_TRUE(informer.shown.isEmpty());
    EXPECT_EQ(fields.texts[EntryField::Number], "2");
    EXPECT_EQ(lastRow(), (SpecimenRecord{"A-12", "1", " ", "y", gbk(u"二十八"), ""}));
    EXPECT_EQ(readFile(), gbk(u"A-12---1--- ---y---二十八---\r\n"));
}

TEST_F(EnterRecord, DuplicateNumbersAreAccepted) {
    addRows({{"17", "a"}});
    fillFields(entry);
    enterRecord(desk);
    EXPECT_EQ(numbers(), (QList<QByteArray>{"17", "17"}));
}

struct RefusalCase {
    const char* name;
    int column;
    QByteArray text;
    const char16_t* message;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class EntryRefusal : public EnterRecord, public testing::WithParamInterface<RefusalCase> {};

TEST_P(EntryRefusal, ChangesNothing) {
    writeFile("old\r\n");
    addRows({{"1", "a"}});
    SpecimenRecord texts = entry;
    texts[GetParam().column] = GetParam().text;
    fillFields(texts);
    const auto fieldsBefore = fields.texts;
    enterRecord(desk);
    ASSERT_EQ(informer.shown.size(), 1);
    EXPECT_EQ(informer.shown[0].text, gbk(GetParam().message));
    EXPECT_EQ(informer.shown[0].title, gbk(u"提示"));
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(fields.texts, fieldsBefore);
    EXPECT_EQ(readFile(), "old\r\n");
}

const char16_t* const kIncomplete = u"信息不完全，无法录入。";
const char16_t* const kSeparator = u"内容中不能含有“---”，否则记录无法按原样保存。";
const char16_t* const kLineBreak = u"内容中不能含有换行，否则记录无法按原样保存。";
const char16_t* const kTrailingDash =
    u"编号、组数、部位、成型日期和龄期不能以“-”结尾，否则记录无法按原样保存。";

INSTANTIATE_TEST_SUITE_P(
    Fields, EntryRefusal,
    testing::Values(RefusalCase{"empty_number", SpecimenNumber, "", kIncomplete},
                    RefusalCase{"empty_groups", GroupCount, "", kIncomplete},
                    RefusalCase{"empty_location", Location, "", kIncomplete},
                    RefusalCase{"empty_molding_date", MoldingDate, "", kIncomplete},
                    RefusalCase{"empty_age", Age, "", kIncomplete},
                    RefusalCase{"separator_in_location", Location, "X---Y", kSeparator},
                    RefusalCase{"separator_in_due_date", DueDate, "1---2", kSeparator},
                    RefusalCase{"line_break", SpecimenNumber, "1\r\n2", kLineBreak},
                    RefusalCase{"zero_byte", Location, QByteArray("x\0y", 3),
                                u"内容中不能含有空字符，否则之后的记录都无法读回。"},
                    RefusalCase{"trailing_dash", GroupCount, "3-", kTrailingDash}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST_F(EnterRecord, EmptinessIsTestedBeforeStorability) {
    fillFields({"", "1", "X---Y", "y", "7", "z"});
    enterRecord(desk);
    ASSERT_EQ(informer.shown.size(), 1);
    EXPECT_EQ(informer.shown[0].text, gbk(kIncomplete));
}

TEST_F(EnterRecord, FailedSaveKeepsTheRowAndTellsTheUserNamingTheFile) {
    writeFile("old\r\n");
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ExeOwner | QFile::ReadOther |
                                                      QFile::ExeOther));
    const int result = runAsOrdinaryUser([&] {
        fillFields(entry);
        enterRecord(desk);
        if (table.rowCount() != 1 || informer.shown.size() != 1)
            return 1;
        const QByteArray text = informer.shown[0].text;
        return text.startsWith(gbk(u"无法保存记录文件")) && text.contains(gbk(path())) ? 0 : 2;
    });
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readFile(), "old\r\n");
}

} // namespace
