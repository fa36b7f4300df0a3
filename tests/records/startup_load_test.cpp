#include "startup_load.h"

#include "fakes.h"
#include "store_dir_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class StartupLoad : public StoreDirTest {
protected:
    RecordTable table;
    FakeFields fields;
    FakeInformer informer;
};

TEST_F(StartupLoad, MissingFileGivesAnEmptyListNumberOneAndNoFile) {
    table.appendRow();
    startupLoad(table, fields, informer, path());
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(fields.texts[EntryField::Number], "1");
    EXPECT_TRUE(informer.shown.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path()));
}

TEST_F(StartupLoad, NextNumberFollowsTheRowCountNotTheStoredNumbers) {
    writeFile("17---3---a---b---28---c\r\n"
              "9---1---a---b---7---c\r\n"
              "9---1---a---b---7---c\r\n"
              "40---2---a---b---7---c\r\n");
    const QDateTime before = QFileInfo(path()).lastModified();
    startupLoad(table, fields, informer, path());
    EXPECT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.cellText(3, SpecimenNumber), "40");
    EXPECT_FALSE(table.isChecked(0));
    EXPECT_EQ(fields.texts[EntryField::Number], "5");
    EXPECT_EQ(fields.texts.size(), 1) << "only the number field is written";
    EXPECT_TRUE(informer.shown.isEmpty());
    EXPECT_EQ(QFileInfo(path()).lastModified(), before);
}

TEST_F(StartupLoad, UnreadableFileIsReportedOnceNamingIt) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("lq.vx"));
    startupLoad(table, fields, informer, path());
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(fields.texts[EntryField::Number], "1");
    ASSERT_EQ(informer.shown.size(), 1);
    EXPECT_EQ(informer.shown[0].title, gbk(u"提示"));
    EXPECT_TRUE(informer.shown[0].text.contains(gbk(path())));
    EXPECT_TRUE(informer.shown[0].text.startsWith(gbk(u"无法读取记录文件")));
}

} // namespace
