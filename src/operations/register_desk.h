#pragma once

#include "clock.h"
#include "entry_fields.h"
#include "informer.h"
#include "record_table.h"

#include <QString>

// What the register buttons work with: the rows, the entry fields, the message box,
// the clock and the store file.
struct RegisterDesk {
    RecordTable& table;
    EntryFields& fields;
    Informer& informer;
    const Clock& clock;
    QString storeFile;
};
