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
    // A reference into the table, valid until the table next changes. By reference and
    // inline: a call and a copy's reference counting per cell were most of what saving a
    // large register cost in the processor.
    const QByteArray& cellText(int row, int column) const {
        static const QByteArray outside;
        return hasRow(row) ? rows_[row][column] : outside;
    }
    void deleteRow(int row);
    void deleteRows(const std::vector<bool>& doomed);
    void clearRows();
    int rowCount() const { return static_cast<int>(rows_.size()); }
    bool isChecked(int row) const;

    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool hasRow(int row) const { return row >= 0 && row < rowCount(); }

    // The check marks stand apart from the cells, so that a load into the empty table
    // takes over its rows whole instead of copying them.
    std::vector<SpecimenRecord> rows_;
    std::vector<bool> checked_;
};
