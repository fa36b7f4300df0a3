#pragma once

#include "specimen_record.h"

#include <QDate>
#include <QString>

#include <vector>

// Registers that look like a laboratory's: running numbers, group counts, 柱/梁/板
// locations, molding dates over the last months, the usual curing ages and the due
// dates the program itself would have written. One row in a hundred is due today.
inline const QDate kBenchToday(2025, 3, 10);

std::vector<SpecimenRecord> sampleRecords(int rows);

// Writes a register of that many rows to the store file at path, as the program saves it.
void writeSampleStore(const QString& path, int rows);
