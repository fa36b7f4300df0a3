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
    checked_.push_back(false);
    endInsertRows();
    return row;
}

void RecordTable::appendRows(std::vector<SpecimenRecord> records) {
    if (records.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(records.size()) - 1);
    if (rows_.empty())
        rows_ = std::move(records);
    else
        rows_.insert(rows_.end(), std::make_move_iterator(records.begin()),
                     std::make_move_iterator(records.end()));
    checked_.resize(rows_.size(), false);
    endInsertRows();
}

void RecordTable::setCell(int row, int column, const QByteArray& text) {
    if (!hasRow(row))
        return;
    rows_[row][column] = text;
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
}

void RecordTable::deleteRow(int row) {
    if (!hasRow(row))
        return;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    checked_.erase(checked_.begin() + row);
    endRemoveRows();
}

void RecordTable::deleteRows(const std::vector<bool>& doomed) {
    if (std::find(doomed.begin(), doomed.end(), true) == doomed.end())
        return;
    // One reset instead of a signal per removed row keeps large deletions linear.
    beginResetModel();
    const auto erased = [&doomed](auto& items) {
        std::size_t next = 0;
        std::erase_if(items, [&](const auto&) {
            const std::size_t at = next++;
            return at < doomed.size() && doomed[at];
        });
    };
    erased(rows_);
    erased(checked_);
    endResetModel();
}

void RecordTable::clearRows() {
    beginResetModel();
    rows_.clear();
    checked_.clear();
    endResetModel();
}

bool RecordTable::isChecked(int row) const {
    return hasRow(row) && checked_[row];
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
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return rows_[index.row()][index.column()];
    case Qt::CheckStateRole:
        if (index.column() == SpecimenNumber)
            return checked_[index.row()] ? Qt::Checked : Qt::Unchecked;
        return {};
    default:
        return {};
    }
}

bool RecordTable::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || index.column() != SpecimenNumber)
        return false;
    if (role == Qt::CheckStateRole) {
        checked_[index.row()] = value.toInt() == Qt::Checked;
    } else if (role == Qt::EditRole && value.typeId() == QMetaType::QByteArray) {
        rows_[index.row()][SpecimenNumber] = value.toByteArray();
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
