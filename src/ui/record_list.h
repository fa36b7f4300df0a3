#pragma once

#include "informer.h"

#include <QTableView>

// The report list of the register: six fixed columns with a check box on every row, grid
// lines, several rows selectable, and in-place editing of the specimen number only. The
// header's titles press like buttons but sort nothing.
class RecordList : public QTableView {
public:
    RecordList(QAbstractItemModel& model, Informer& informer, QWidget* parent);

    // Closes an open in-place editor without taking its text.
    void discardEdit();
};
