#pragma once

#include "entry_fields.h"
#include "informer.h"
#include "record_table.h"

#include <QString>

// Fills the freshly built window's register from the store file and proposes the next
// specimen number. Tells the user when the file exists but cannot be read.
void startupLoad(RecordTable& table, EntryFields& fields, Informer& informer,
                 const QString& storeFile);
