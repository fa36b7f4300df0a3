#include "deleting.h"

#include "due_today.h"
#include "record_store.h"
#include "store_messages.h"

#include <vector>

namespace {

void saveAndReload(RegisterDesk& desk) {
    const bool saved = saveRegister(desk.storeFile, desk.table);
    desk.table.clearRows();
    const bool loaded = loadRegister(desk.storeFile, desk.table);
    if (!saved)
        desk.informer.notify(saveFailedMessage(desk.storeFile));
    if (!loaded)
        desk.informer.notify(unreadableStoreMessage(desk.storeFile));
}

} // namespace

void deleteRowsWhere(RecordTable& table, const std::function<bool(int row)>& test) {
    std::vector<bool> doomed(table.rowCount());
    for (int row = 0; row < table.rowCount(); ++row)
        doomed[row] = test(row);
    table.deleteRows(doomed);
}

void deleteTicked(RegisterDesk& desk) {
    deleteRowsWhere(desk.table, [&](int row) { return desk.table.isChecked(row); });
    desk.informer.notify(toGbk(u"已经删除选中！"));
    saveAndReload(desk);
}

void deleteDue(RegisterDesk& desk) {
    const QDate today = desk.clock.currentDateTime().date();
    deleteRowsWhere(desk.table, [&](int row) { return isDueToday(desk.table, row, today); });
    desk.informer.notify(toGbk(u"删除完毕。"));
    saveAndReload(desk);
}
