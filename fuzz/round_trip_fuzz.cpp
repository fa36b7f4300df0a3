#include "record_store.h"

#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

namespace {

// What the store can carry beyond the refusals that entry makes: whole double-byte
// characters, and no zero byte, which ends the text when it is read.
bool wellFormed(const QByteArray& cell) {
    if (cell.contains('\0'))
        return false;
    for (qsizetype at = 0; at < cell.size(); ++at) {
        if (static_cast<unsigned char>(cell[at]) >= 0x80 && ++at == cell.size())
            return false;
    }
    return true;
}

bool carriable(const SpecimenRecord& record) {
    for (const QByteArray& cell : record) {
        if (!wellFormed(cell))
            return false;
    }
    return recordStoreProblem(record) == StoreProblem::None;
}

} // namespace

// Every table whose rows the store can carry saves and loads back identical, row for row.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir dir;
    const QString path = dir.filePath("lq.vx");
    FuzzedDataProvider input(data, size);
    std::vector<SpecimenRecord> records;
    while (input.remaining_bytes() > 0 && records.size() < 64) {
        SpecimenRecord record;
        for (QByteArray& cell : record)
            cell = QByteArray::fromStdString(input.ConsumeRandomLengthString(64));
        if (carriable(record))
            records.push_back(record);
    }
    RecordTable table;
    table.appendRows(records);
    if (!saveRegister(path, table))
        std::abort();
    RecordTable loaded;
    if (!loadRegister(path, loaded) || loaded.rowCount() != int(records.size()))
        std::abort();
    for (int row = 0; row < loaded.rowCount(); ++row) {
        for (int column = 0; column < kColumnCount; ++column) {
            if (loaded.cellText(row, column) != records[row][column])
                std::abort();
        }
    }
    return 0;
}
