#pragma once

#include "record_table.h"

#include <QString>

// The register's one persistent form: "lq.vx" beside the executable, one line per row,
// the six cells joined by "---", every line ended by "\r\n", GBK bytes throughout.

QString programDirectory();
QString storePath();

// Replaces the file whole and atomically: afterwards it holds either its former content
// or the table's, never a mixture. False when the new content could not be written.
bool saveRegister(const QString& path, const RecordTable& table);

// Appends the file's rows to the (empty) table. A missing or empty file is an empty
// register. False when the file exists but cannot be read: the table is then left empty.
bool loadRegister(const QString& path, RecordTable& table);

// Why a cell would not come back from the store as written, if it would not.
enum class StoreProblem { None, Separator, LineBreak, TrailingDash, ZeroByte };
StoreProblem cellStoreProblem(int column, const QByteArray& text);
StoreProblem recordStoreProblem(const SpecimenRecord& record);
