#include "deleting.h"

#include "desk_fixture.h"
#include "ordinary_user.h"
#include "record_entry.h"

namespace {

class Deleting : public DeskTest {
protected:
    // Checks, at the moment the message is shown, that the file is not yet written.
    void expectMessageBeforeSave() {
        informer.onShow = [this] { fileWhenShown = readFile(); };
    }

    QByteArray fileWhenShown;
};

TEST_F(Deleting, TickedRowsGoEvenWhenAdjacentAndTheRestReloadUnticked) {
    addRows({{"A", "x"}, {"B", "x"}, {"C", "x"}, {"D", "x"}, {"E", "x"}, {"F", "x"}});
    tick(2);
    tick(3);
    tick(4);
    writeFile("before\r\n");
    expectMessageBeforeSave();
    deleteTicked(desk);
    ASSERT_EQ(informer.shown.size(), 1);
    EXPECT_EQ(informer.shown[0].text, gbk(u"已经删除选中！"));
    EXPECT_EQ(informer.shown[0].title, gbk(u"提示"));
    EXPECT_EQ(fileWhenShown, "before\r\n");
    EXPECT_EQ(numbers(), (QList<QByteArray>{"A", "B", "F"}));
    for (int row = 0; row < table.rowCount(); ++row)
        EXPECT_FALSE(table.isChecked(row));
    EXPECT_EQ(readFile().count("\r\n"), 3);
    EXPECT_TRUE(readFile().startsWith("A---"));
}

TEST_F(Deleting, EveryRowTickedLeavesAnEmptyFile) {
    addRows({{"A", "x"}, {"B", "x"}});
    tick(0);
    tick(1);
    deleteTicked(desk);
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(readFile(), "");
}

TEST_F(Deleting, NothingTickedStillTellsAndRewritesTheSameRows) {
    addRows({{"A", gbk(u"1月5日")}});
    deleteTicked(desk);
    EXPECT_EQ(informer.shown.size(), 1);
    EXPECT_EQ(numbers(), (QList<QByteArray>{"A"}));
    EXPECT_TRUE(readFile().startsWith("A---1---"));
}

TEST_F(Deleting, EmptyTableShowsEachMessageAndWritesAnEmptyFile) {
    deleteTicked(desk);
    EXPECT_EQ(readFile(), "");
    deleteDue(desk);
    ASSERT_EQ(informer.shown.size(), 2);
    EXPECT_EQ(informer.shown[0].text, gbk(u"已经删除选中！"));
    EXPECT_EQ(informer.shown[1].text, gbk(u"删除完毕。"));
    EXPECT_EQ(readFile(), "");
}

TEST_F(Deleting, DueRowsGoTicksAreIgnoredAndOtherYearsStay) {
    addRows({{"1", gbk(u"1月5日")},
             {"2", gbk(u"2026年1月5日")},
             {"3", gbk(u"11月5日")},
             {"4", gbk(u"2025年1月5日")},
             {"5", gbk(u"1月15日")},
             {"6", gbk(u"1月5日上午")}});
    tick(2);
    expectMessageBeforeSave();
    deleteDue(desk);
    ASSERT_EQ(informer.shown.size(), 1);
    EXPECT_EQ(informer.shown[0].text, gbk(u"删除完毕。"));
    EXPECT_EQ(fileWhenShown, "<missing>");
    EXPECT_EQ(numbers(), (QList<QByteArray>{"3", "4", "5"}));
    EXPECT_FALSE(table.isChecked(0)) << "the ticked survivor comes back unticked";
}

TEST_F(Deleting, TickedRowsGoWhateverTheirDueDates) {
    addRows({{"1", gbk(u"1月5日")}, {"2", gbk(u"3月1日")}});
    tick(1);
    deleteTicked(desk);
    EXPECT_EQ(numbers(), (QList<QByteArray>{"1"}));
}

TEST_F(Deleting, NumberFieldIsNotRecomputed) {
    for (int n = 1; n <= 10; ++n)
        addRows({{"n", n <= 3 ? gbk(u"1月5日") : gbk(u"2月1日")}});
    fields.texts[EntryField::Number] = "11";
    deleteDue(desk);
    EXPECT_EQ(table.rowCount(), 7);
    EXPECT_EQ(fields.texts[EntryField::Number], "11");
    fields.texts[EntryField::Groups] = "1";
    fields.texts[EntryField::Location] = "x";
    fields.texts[EntryField::MoldingDate] = "y";
    fields.texts[EntryField::Age] = "7";
    enterRecord(desk);
    EXPECT_EQ(table.cellText(7, SpecimenNumber), "11");
    EXPECT_EQ(fields.texts[EntryField::Number], "9");
}

TEST_F(Deleting, FailedSaveTellsTheUserAndTheReloadShowsTheFile) {
    addRows({{"A", "x"}, {"B", "x"}});
    writeFile("A---1---x---y---7---x\r\nB---1---x---y---7---x\r\n");
    ASSERT_TRUE(QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadOther));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ExeOwner | QFile::ReadOther |
                                                      QFile::ExeOther));
    const int result = runAsOrdinaryUser([&] {
        tick(0);
        deleteTicked(desk);
        if (informer.shown.size() != 2 || informer.shown[0].text != gbk(u"已经删除选中！"))
            return 1;
        if (!informer.shown[1].text.startsWith(gbk(u"无法保存记录文件")))
            return 2;
        return numbers() == QList<QByteArray>{"A", "B"} ? 0 : 3;
    });
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(result, 0);
}

TEST(DeleteRowsWhere, RemovesEveryMatchKeepingTheOrder) {
    RecordTable table;
    for (const char* number : {"a", "b", "c", "d", "e", "f", "g"}) {
        table.appendRow();
        table.setCell(table.rowCount() - 1, SpecimenNumber, number);
    }
    deleteRowsWhere(table, [](int row) { return row != 1 && row != 4; });
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.cellText(0, SpecimenNumber), "b");
    EXPECT_EQ(table.cellText(1, SpecimenNumber), "e");
}

} // namespace
