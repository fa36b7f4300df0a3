#include "record_table.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// A table whose rows carry the given specimen numbers.
void fill(RecordTable& table, std::initializer_list<const char*> numbers) {
    for (const char* number : numbers) {
        table.appendRow();
        table.setCell(table.rowCount() - 1, SpecimenNumber, number);
    }
}

QList<QByteArray> numbers(const RecordTable& table) {
    QList<QByteArray> result;
    for (int row = 0; row < table.rowCount(); ++row)
        result.append(table.cellText(row, SpecimenNumber));
    return result;
}

void tick(RecordTable& table, int row) {
    ASSERT_TRUE(table.setData(table.index(row, SpecimenNumber), Qt::Checked, Qt::CheckStateRole));
}

} // namespace

TEST(RecordTable, NewRowIsEmptyAndUnticked) {
    RecordTable table;
    EXPECT_EQ(table.appendRow(), 0);
    EXPECT_EQ(table.rowCount(), 1);
    for (int column = 0; column < kColumnCount; ++column)
        EXPECT_EQ(table.cellText(0, column), QByteArray());
    EXPECT_FALSE(table.isChecked(0));
    EXPECT_EQ(table.appendRow(), 1);
}

TEST(RecordTable, OutOfRangeRowsGiveFixedAnswersAndChangeNothing) {
    RecordTable table;
    EXPECT_EQ(table.cellText(0, 0), QByteArray());
    EXPECT_FALSE(table.isChecked(0));
    fill(table, {"A", "B"});
    tick(table, 1);
    for (int row : {-1, 2, 1000}) {
        table.setCell(row, SpecimenNumber, "X");
        table.deleteRow(row);
        EXPECT_EQ(table.cellText(row, SpecimenNumber), QByteArray());
        EXPECT_FALSE(table.isChecked(row));
    }
    EXPECT_EQ(numbers(table), (QList<QByteArray>{"A", "B"}));
    EXPECT_TRUE(table.isChecked(1));
}

TEST(RecordTable, DeleteRowMovesLaterRowsUpWithTheirTicks) {
    RecordTable table;
    fill(table, {"A", "B", "C"});
    tick(table, 2);
    table.deleteRow(1);
    EXPECT_EQ(numbers(table), (QList<QByteArray>{"A", "C"}));
    EXPECT_FALSE(table.isChecked(0));
    EXPECT_TRUE(table.isChecked(1));
}

TEST(RecordTable, DeleteRowsRemovesExactlyTheMarkedOnes) {
    RecordTable table;
    fill(table, {"A", "B", "C", "D", "E"});
    tick(table, 4);
    table.deleteRows({false, true, true, false, false});
    EXPECT_EQ(numbers(table), (QList<QByteArray>{"A", "D", "E"}));
    EXPECT_TRUE(table.isChecked(2));
}

TEST(RecordTable, IdenticalRowsAreKeptApart) {
    RecordTable table;
    fill(table, {"17", "17"});
    table.deleteRow(0);
    EXPECT_EQ(numbers(table), (QList<QByteArray>{"17"}));
}

TEST(RecordTable, CellsAreKeptWholeAsBytes) {
    RecordTable table;
    table.appendRow();
    const QByteArray longText(5000, 'x');
    const QByteArray highBytes("\xD6\xF9\x00\xFF", 4);
    table.setCell(0, Location, longText);
    table.setCell(0, DueDate, highBytes);
    EXPECT_EQ(table.cellText(0, Location), longText);
    EXPECT_EQ(table.cellText(0, DueDate), highBytes);
    EXPECT_EQ(table.cellText(0, Age), QByteArray());
}

TEST(RecordTable, ClearRowsForgetsRowsAndTicks) {
    RecordTable table;
    fill(table, {"A"});
    tick(table, 0);
    table.clearRows();
    EXPECT_EQ(table.rowCount(), 0);
    fill(table, {"A"});
    EXPECT_FALSE(table.isChecked(0));
}

TEST(RecordTable, OnlyTheNumberCellIsCheckableAndEditable) {
    RecordTable table;
    fill(table, {"17"});
    EXPECT_TRUE(table.flags(table.index(0, 0)) & Qt::ItemIsUserCheckable);
    EXPECT_TRUE(table.flags(table.index(0, 0)) & Qt::ItemIsEditable);
    for (int column = 1; column < kColumnCount; ++column) {
        EXPECT_FALSE(table.flags(table.index(0, column)) & Qt::ItemIsEditable);
        EXPECT_FALSE(table.setData(table.index(0, column), QByteArray("x"), Qt::EditRole));
    }
    EXPECT_TRUE(table.setData(table.index(0, 0), QByteArray("17a"), Qt::EditRole));
    EXPECT_EQ(table.cellText(0, SpecimenNumber), "17a");
    EXPECT_EQ(table.data(table.index(0, 0), Qt::CheckStateRole).toInt(), Qt::Unchecked);
    tick(table, 0);
    EXPECT_EQ(table.data(table.index(0, 0), Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_FALSE(table.data(table.index(0, 1), Qt::CheckStateRole).isValid());
}

TEST(RecordTable, ChangesRaiseModelSignals) {
    RecordTable table;
    QSignalSpy inserted(&table, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&table, &QAbstractItemModel::dataChanged);
    QSignalSpy removed(&table, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&table, &QAbstractItemModel::modelReset);
    fill(table, {"A", "B"});
    EXPECT_EQ(inserted.count(), 2);
    EXPECT_EQ(changed.count(), 2);
    tick(table, 0);
    EXPECT_EQ(changed.count(), 3);
    table.deleteRow(0);
    EXPECT_EQ(removed.count(), 1);
    table.appendRows({SpecimenRecord{"C"}, SpecimenRecord{"D"}});
    EXPECT_EQ(inserted.count(), 3);
    EXPECT_EQ(numbers(table), (QList<QByteArray>{"B", "C", "D"}));
    table.clearRows();
    EXPECT_EQ(reset.count(), 1);
}

TEST(RecordTable, HeaderCarriesTheColumnTitles) {
    RecordTable table;
    EXPECT_EQ(table.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), u"试块编号");
    EXPECT_EQ(table.headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), u"到期时间");
    EXPECT_EQ(table.columnCount(), kColumnCount);
}
