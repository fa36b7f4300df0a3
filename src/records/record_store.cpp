#include "record_store.h"

#include "split_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kCellSeparator = QByteArrayLiteral("---");
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

} // namespace

QString programDirectory() {
    return QCoreApplication::applicationDirPath();
}

QString storePath() {
    return programDirectory() + QDir::separator() + u"lq.vx"_s;
}

namespace {

SpecimenRecord parseRegisterLine(QByteArrayView line) {
    // A line with fewer than six fields keeps its row: the missing cells stay empty,
    // so a row saved with an empty due date comes back as it was saved.
    SpecimenRecord record;
    const QList<QByteArrayView> fields = splitText(line, kCellSeparator);
    const qsizetype used = std::min<qsizetype>(fields.size(), kColumnCount);
    for (qsizetype column = 0; column < used; ++column)
        record[column] = fields[column].toByteArray();
    return record;
}

// QSaveFile flushes the new content to disk before renaming it over the old file, but
// leaves the rename itself in the directory's cache: after a power cut the former
// version could come back although the save had been taken as done.
bool syncDirectory(const QString& directory) {
    const int fd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

QByteArray registerText(const RecordTable& table) {
    // Sized in advance and filled by copying: appending cell by cell costs a large
    // register more than writing it to disk.
    const int rows = table.rowCount();
    qsizetype size = 0;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < kColumnCount; ++column)
            size += table.cellText(row, column).size();
    }
    size += qsizetype(rows) * ((kColumnCount - 1) * kCellSeparator.size() + kLineEnd.size());

    QByteArray bytes(size, Qt::Uninitialized);
    char* out = bytes.data();
    const auto put = [&out](QByteArrayView piece) {
        out = std::copy(piece.begin(), piece.end(), out);
    };
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < kColumnCount; ++column) {
            if (column > 0)
                put(kCellSeparator);
            put(table.cellText(row, column));
        }
        put(kLineEnd);
    }
    return bytes;
}

} // namespace

bool saveRegister(const QString& path, const RecordTable& table) {
    const QByteArray bytes = registerText(table);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit() && syncDirectory(QFileInfo(path).absolutePath());
}

bool loadRegister(const QString& path, RecordTable& table) {
    QFile file(path);
    if (!file.exists())
        return true;
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return false;
    QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    const qsizetype zero = text.indexOf('\0');
    if (zero >= 0)
        text.truncate(zero);

    // Lines are only looked at, not kept: only the cells are copied out of the text.
    const QList<QByteArrayView> lines = splitText(text, kLineEnd);
    std::vector<SpecimenRecord> records;
    records.reserve(lines.size());
    for (const QByteArrayView line : lines) {
        // An empty line stands for no row.
        if (!line.isEmpty())
            records.push_back(parseRegisterLine(line));
    }
    table.appendRows(std::move(records));
    return true;
}

StoreProblem cellStoreProblem(int column, const QByteArray& text) {
    // Loading stops at the first zero byte: every later row would be lost.
    if (text.contains('\0'))
        return StoreProblem::ZeroByte;
    if (text.contains('\r') || text.contains('\n'))
        return StoreProblem::LineBreak;
    if (text.contains(kCellSeparator))
        return StoreProblem::Separator;
    // A dash at the end of any cell but the last joins the separator after it.
    if (column < DueDate && text.endsWith('-'))
        return StoreProblem::TrailingDash;
    return StoreProblem::None;
}

StoreProblem recordStoreProblem(const SpecimenRecord& record) {
    for (int column = 0; column < kColumnCount; ++column) {
        if (const StoreProblem problem = cellStoreProblem(column, record[column]);
            problem != StoreProblem::None)
            return problem;
    }
    return StoreProblem::None;
}
