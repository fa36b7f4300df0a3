#pragma once

#include "specimen_record.h"

#include <QAbstractTableModel>

#include <vector>

// The register while the program runs: the rows that the record list shows, in the
// order they were appended, each with a check mark that only the user sets. It is the
// only copy in memory. Cells are GBK bytes; display roles hold them unconverted, the
// view decodes them.
class RecordTable : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    int appendRow();
    void appendRows(std::vector<SpecimenRecord> records);
    void setCell(int row, int column, const QByteArray& text);
    // A reference into the table, valid until the table next changes.
    const QByteArray& cellText(int row, int column) const;
    void deleteRow(int row);
    void deleteRows(const std::vector<bool>& doomed);
    void clearRows();
    int rowCount() const;
    bool isChecked(int row) const;

    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        SpecimenRecord cells;
        bool checked = false;
    };

    bool hasRow(int row) const { return row >= 0 && row < rowCount(); }

    std::vector<Row> rows_;
};
