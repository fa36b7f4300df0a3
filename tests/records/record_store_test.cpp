#include "record_store.h"

#include "fakes.h"
#include "ordinary_user.h"
#include "store_dir_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RecordStore : public StoreDirTest {
protected:
    static void addRow(RecordTable& table, const SpecimenRecord& record) {
        table.appendRow();
        for (int column = 0; column < kColumnCount; ++column)
            table.setCell(table.rowCount() - 1, column, record[column]);
    }

    static QList<SpecimenRecord> rows(const RecordTable& table) {
        QList<SpecimenRecord> result;
        for (int row = 0; row < table.rowCount(); ++row) {
            SpecimenRecord record;
            for (int column = 0; column < kColumnCount; ++column)
                record[column] = table.cellText(row, column);
            result.append(record);
        }
        return result;
    }

    QList<SpecimenRecord> loadFile(const QByteArray& bytes) const {
        writeFile(bytes);
        RecordTable table;
        EXPECT_TRUE(loadRegister(path(), table));
        return rows(table);
    }
};

const SpecimenRecord kColumn17 = {
    "17", "3", gbk(u"柱"), gbk(u"2024年10月8日14时30分"), "28", gbk(u"11月5日")};
const SpecimenRecord kBeam18 = {
    "18", "4", gbk(u"梁"), gbk(u"2024年10月8日15时5分"), "7", gbk(u"10月15日")};

const QByteArray kExampleFile = QByteArray::fromHex(
    "31372d2d2d332d2d2dd6f92d2d2d32303234c4ea3130d4c238c8d53134cab13330b7d62d2d2d32382d2d2d3131d4"
    "c235c8d50d0a"
    "31382d2d2d342d2d2dc1ba2d2d2d32303234c4ea3130d4c238c8d53135cab135b7d62d2d2d372d2d2d3130d4c2"
    "3135c8d50d0a");

TEST_F(RecordStore, SavesTheExampleByteForByte) {
    RecordTable table;
    addRow(table, kColumn17);
    addRow(table, kBeam18);
    ASSERT_TRUE(saveRegister(path(), table));
    const QByteArray bytes = readFile();
    EXPECT_EQ(bytes.size(), 103);
    EXPECT_EQ(bytes.left(52).toHex(' '), kExampleFile.left(52).toHex(' '));
    EXPECT_EQ(bytes, kExampleFile);
}

TEST_F(RecordStore, LoadsTheExampleBackInOrderUnticked) {
    writeFile(kExampleFile);
    RecordTable table;
    ASSERT_TRUE(loadRegister(path(), table));
    EXPECT_EQ(rows(table), (QList<SpecimenRecord>{kColumn17, kBeam18}));
    EXPECT_FALSE(table.isChecked(0));
    EXPECT_FALSE(table.isChecked(1));
}

TEST_F(RecordStore, EmptyTableSavesAsAnEmptyFileOverAnOldOne) {
    writeFile("old content\r\n");
    RecordTable table;
    ASSERT_TRUE(saveRegister(path(), table));
    EXPECT_EQ(readFile(), QByteArray(""));
    QFile::remove(path());
    ASSERT_TRUE(saveRegister(path(), table));
    EXPECT_TRUE(QFileInfo::exists(path()));
    EXPECT_EQ(readFile().size(), 0);
}

TEST_F(RecordStore, EmptyCellsSaveAsNothingBetweenSeparators) {
    RecordTable table;
    SpecimenRecord noLocation = kColumn17;
    noLocation[Location] = "";
    addRow(table, noLocation);
    ASSERT_TRUE(saveRegister(path(), table));
    EXPECT_EQ(readFile(), gbk(u"17---3------2024年10月8日14时30分---28---11月5日\r\n"));
    EXPECT_EQ(loadFile(readFile()), (QList<SpecimenRecord>{noLocation}));
}

TEST_F(RecordStore, RowWithEmptyDueDateComesBackWhole) {
    RecordTable table;
    SpecimenRecord noDueDate = kColumn17;
    noDueDate[DueDate] = "";
    addRow(table, noDueDate);
    addRow(table, kBeam18);
    ASSERT_TRUE(saveRegister(path(), table));
    EXPECT_EQ(loadFile(readFile()), (QList<SpecimenRecord>{noDueDate, kBeam18}));
}

struct LoadCase {
    const char* name;
    QByteArray file;
    QList<SpecimenRecord> rows;
};

void PrintTo(const LoadCase& c, std::ostream* out) {
    *out << c.name;
}

class LoadRegister : public RecordStore, public testing::WithParamInterface<LoadCase> {};

TEST_P(LoadRegister, GivesTheRows) {
    EXPECT_EQ(loadFile(GetParam().file), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadRegister,
    testing::Values(
        LoadCase{"empty_file", "", {}},
        LoadCase{"last_line_unended",
                 "a---b---c---d---e---f\r\ng---h---i---j---k---l",
                 {{"a", "b", "c", "d", "e", "f"}, {"g", "h", "i", "j", "k", "l"}}},
        LoadCase{"final_line_end_adds_no_row",
                 "a---b---c---d---e---f\r\n",
                 {{"a", "b", "c", "d", "e", "f"}}},
        LoadCase{"zero_byte_ends_the_text",
                 QByteArray("a---b---c---d---e---f\r\n\0g---h---i---j---k---l\r\n", 47),
                 {{"a", "b", "c", "d", "e", "f"}}},
        LoadCase{"starts_with_zero_byte", QByteArray("\0a---b---c---d---e---f\r\n", 24), {}},
        LoadCase{"trailing_dash_shifts",
                 "A----B---c---d---e---f\r\n",
                 {{"A", "-B", "c", "d", "e", "f"}}},
        LoadCase{"extra_fields_ignored",
                 "1---2---X---Y---d---28---5\r\n",
                 {{"1", "2", "X", "Y", "d", "28"}}},
        LoadCase{"fewer_fields_keep_the_row", "a---b---c\r\n", {{"a", "b", "c", "", "", ""}}},
        LoadCase{"empty_lines_give_no_row",
                 "\r\na---b---c---d---e---f\r\n\r\n\r\ng\r\n",
                 {{"a", "b", "c", "d", "e", "f"}, {"g", "", "", "", "", ""}}},
        LoadCase{"bare_line_feeds_are_one_line",
                 "a---b---c---d---e---f\ng---h\n",
                 {{"a", "b", "c", "d", "e", "f\ng"}}},
        LoadCase{"separator_inside_double_byte_is_missed",
                 "\xD6-----b---c---d---e---f\r\n",
                 {{"\xD6-", "-b", "c", "d", "e", "f"}}}),
    [](const testing::TestParamInfo<LoadCase>& info) { return info.param.name; });

TEST_F(RecordStore, MissingFileIsAnEmptyRegisterAndIsNotCreated) {
    RecordTable table;
    EXPECT_TRUE(loadRegister(path(), table));
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_FALSE(QFileInfo::exists(path()));
}

TEST_F(RecordStore, DirectoryInPlaceOfTheFileIsUnreadable) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("lq.vx"));
    RecordTable table;
    EXPECT_FALSE(loadRegister(path(), table));
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_FALSE(saveRegister(path(), table));
}

TEST_F(RecordStore, FileWithoutReadPermissionIsUnreadable) {
    writeFile(kExampleFile);
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ExeOwner | QFile::ExeOther));
    ASSERT_TRUE(QFile::setPermissions(path(), QFile::WriteOwner | QFile::WriteOther));
    const int result = runAsOrdinaryUser([&] {
        RecordTable table;
        return loadRegister(path(), table) ? 1 : table.rowCount() == 0 ? 0 : 2;
    });
    EXPECT_EQ(result, 0);
}

TEST_F(RecordStore, FailedSaveInReadOnlyDirectoryKeepsTheFormerFile) {
    writeFile(kExampleFile);
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ExeOwner | QFile::ReadOther |
                                                      QFile::ExeOther));
    ASSERT_TRUE(QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ReadOther | QFile::WriteOther));
    // The file itself is writable: only the directory refuses the new version.
    const int result = runAsOrdinaryUser([&] {
        RecordTable table;
        addRow(table, kColumn17);
        if (QFileInfo(dir.path()).isWritable())
            return 3;
        if (saveRegister(path(), table))
            return 1;
        RecordTable reloaded;
        return loadRegister(path(), reloaded) && reloaded.rowCount() == 2 ? 0 : 2;
    });
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readFile(), kExampleFile);
}

TEST_F(RecordStore, RoundTripKeepsLongAndUnusualCells) {
    RecordTable table;
    addRow(table, {QByteArray(20000, '7'), "-3", gbk(u"板 𠀀 ｘ"), " ", "\t", "a-b--c"});
    addRow(table, {"", "", "", "", "", "x"});
    ASSERT_TRUE(saveRegister(path(), table));
    EXPECT_EQ(loadFile(readFile()), rows(table));
}

TEST(StorePath, IsTheProgramDirectoryAndTheFileName) {
    EXPECT_EQ(storePath(), QCoreApplication::applicationDirPath() + "/lq.vx");
    EXPECT_FALSE(programDirectory().endsWith('/'));
}

struct ProblemCase {
    const char* name;
    int column;
    QByteArray text;
    StoreProblem problem;
};

void PrintTo(const ProblemCase& c, std::ostream* out) {
    *out << c.name;
}

class CellStoreProblem : public testing::TestWithParam<ProblemCase> {};

TEST_P(CellStoreProblem, Detected) {
    EXPECT_EQ(cellStoreProblem(GetParam().column, GetParam().text), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CellStoreProblem,
    testing::Values(
        ProblemCase{"plain", Location, "A-12", StoreProblem::None},
        ProblemCase{"two_dashes", Location, "a--b", StoreProblem::None},
        ProblemCase{"separator", Location, "X---Y", StoreProblem::Separator},
        ProblemCase{"crlf", SpecimenNumber, "1\r\n2", StoreProblem::LineBreak},
        ProblemCase{"bare_lf", Age, "2\n8", StoreProblem::LineBreak},
        ProblemCase{"zero_byte", Location, QByteArray("a\0b", 3), StoreProblem::ZeroByte},
        ProblemCase{"trailing_dash", GroupCount, "3-", StoreProblem::TrailingDash},
        ProblemCase{"trailing_dash_in_due_date_is_fine", DueDate, "5-", StoreProblem::None},
        ProblemCase{"leading_dash_is_fine", SpecimenNumber, "-1", StoreProblem::None}),
    [](const testing::TestParamInfo<ProblemCase>& info) { return info.param.name; });

} // namespace
