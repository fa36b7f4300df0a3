#pragma once

#include "fakes.h"
#include "register_desk.h"

#include <QTableView>
#include <QTemporaryDir>

// A register desk on a real store file in a fresh directory, its table shown in a list
// view as the window shows it, so that every model signal reaches a view.
struct BenchDesk {
    BenchDesk();

    QString storeFile() const { return dir.filePath("lq.vx"); }
    // Writes a sample register of that many rows and loads it into the table.
    void prepare(int rows);
    void reload();

    QTemporaryDir dir;
    RecordTable table;
    QTableView view;
    FakeFields fields;
    FakeInformer informer;
    FixedClock clock;
    RegisterDesk desk;
};
