#pragma once

#include "fakes.h"
#include "register_desk.h"
#include "store_dir_fixture.h"

// A register desk on a real store file in a fresh directory, with the clock at
// 5 January 2026 unless a test sets it.
class DeskTest : public StoreDirTest {
protected:
    // Appends rows whose cells are the given number and due date and fixed other texts.
    void addRows(std::initializer_list<std::pair<const char*, QByteArray>> rows) {
        for (const auto& [number, due] : rows) {
            table.appendRow();
            const int row = table.rowCount() - 1;
            table.setCell(row, SpecimenNumber, number);
            table.setCell(row, GroupCount, "1");
            table.setCell(row, Location, gbk(u"柱"));
            table.setCell(row, MoldingDate, gbk(u"2025年12月8日9时0分"));
            table.setCell(row, Age, "28");
            table.setCell(row, DueDate, due);
        }
    }

    QList<QByteArray> numbers() const {
        QList<QByteArray> result;
        for (int row = 0; row < table.rowCount(); ++row)
            result.append(table.cellText(row, SpecimenNumber));
        return result;
    }

    void tick(int row) {
        ASSERT_TRUE(table.setData(table.index(row, 0), Qt::Checked, Qt::CheckStateRole));
    }

    RecordTable table;
    FakeFields fields;
    FakeInformer informer;
    FixedClock clock{{2026, 1, 5, 10, 30, 0}};
    RegisterDesk desk{table, fields, informer, clock, path()};
};
