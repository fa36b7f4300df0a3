#include "record_table.h"

#include <algorithm>

namespace {

const char16_t* const kColumnTitles[kColumnCount] = {u"试块编号", u"组数", u"部位",
                                                     u"成型日期", u"龄期", u"到期时间"};

} // namespace

int RecordTable::appendRow() {
    const int row = rowCount();
    beginInsertRows({}, row, row);
    rows_.emplace_back();
    endInsertRows();
    return row;
}

void RecordTable::appendRows(std::vector<SpecimenRecord> records) {
    if (records.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(records.size()) - 1);
    rows_.reserve(rows_.size() + records.size());
    for (SpecimenRecord& cells : records)
        rows_.push_back({std::move(cells), false});
    endInsertRows();
}

void RecordTable::setCell(int row, int column, const QByteArray& text) {
    if (!hasRow(row))
        return;
    rows_[row].cells[column] = text;
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
}

const QByteArray& RecordTable::cellText(int row, int column) const {
    // By reference: a copy's reference counting is most of what saving a large register
    // costs in the processor.
    static const QByteArray outside;
    return hasRow(row) ? rows_[row].cells[column] : outside;
}

void RecordTable::deleteRow(int row) {
    if (!hasRow(row))
        return;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void RecordTable::deleteRows(const std::vector<bool>& doomed) {
    if (std::find(doomed.begin(), doomed.end(), true) == doomed.end())
        return;
    // One reset instead of a signal per removed row keeps large deletions linear.
    beginResetModel();
    std::size_t next = 0;
    std::erase_if(rows_, [&](const Row&) {
        const std::size_t at = next++;
        return at < doomed.size() && doomed[at];
    });
    endResetModel();
}

void RecordTable::clearRows() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

int RecordTable::rowCount() const {
    return static_cast<int>(rows_.size());
}

bool RecordTable::isChecked(int row) const {
    return hasRow(row) && rows_[row].checked;
}

int RecordTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rowCount();
}

int RecordTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant RecordTable::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Row& row = rows_[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return row.cells[index.column()];
    case Qt::CheckStateRole:
        if (index.column() == SpecimenNumber)
            return row.checked ? Qt::Checked : Qt::Unchecked;
        return {};
    default:
        return {};
    }
}

bool RecordTable::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || index.column() != SpecimenNumber)
        return false;
    Row& row = rows_[index.row()];
    if (role == Qt::CheckStateRole) {
        row.checked = value.toInt() == Qt::Checked;
    } else if (role == Qt::EditRole && value.typeId() == QMetaType::QByteArray) {
        row.cells[SpecimenNumber] = value.toByteArray();
    } else {
        return false;
    }
    emit dataChanged(index, index, {role});
    return true;
}

Qt::ItemFlags RecordTable::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    const Qt::ItemFlags common = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == SpecimenNumber)
        return common | Qt::ItemIsUserCheckable | Qt::ItemIsEditable;
    return common;
}

QVariant RecordTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumnCount)
        return {};
    return QString::fromUtf16(kColumnTitles[section]);
}
