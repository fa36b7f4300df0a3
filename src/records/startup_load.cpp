#include "startup_load.h"

#include "record_store.h"
#include "store_messages.h"

void startupLoad(RecordTable& table, EntryFields& fields, Informer& informer,
                 const QString& storeFile) {
    table.clearRows();
    const bool readable = loadRegister(storeFile, table);
    fields.setFieldText(EntryField::Number, QByteArray::number(table.rowCount() + 1));
    if (!readable)
        informer.notify(unreadableStoreMessage(storeFile));
}
