#include "record_store.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

// loadRegister on any file: it reads it, gives at most one row per line, and a row is
// never longer than the text it came from.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir dir;
    const QString path = dir.filePath("lq.vx");
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    }
    RecordTable table;
    if (!loadRegister(path, table))
        std::abort();
    const QByteArray text =
        bytes.left(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0'));
    if (table.rowCount() > text.count("\r\n") + 1)
        std::abort();
    qsizetype cellBytes = 0;
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < kColumnCount; ++column)
            cellBytes += table.cellText(row, column).size();
    }
    if (cellBytes > text.size())
        std::abort();
    return 0;
}
