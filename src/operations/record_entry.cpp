#include "record_entry.h"

#include "record_store.h"
#include "store_messages.h"
#include "text_forms.h"

namespace {

// Fields in column order; all but the due date must be filled.
constexpr EntryField kFieldOfColumn[kColumnCount] = {EntryField::Number,   EntryField::Groups,
                                                     EntryField::Location, EntryField::MoldingDate,
                                                     EntryField::Age,      EntryField::DueDate};

} // namespace

void enterRecord(RegisterDesk& desk) {
    SpecimenRecord record;
    for (int column = 0; column < kColumnCount; ++column)
        record[column] = desk.fields.fieldText(kFieldOfColumn[column]);
    for (int column = 0; column < DueDate; ++column) {
        if (record[column].isEmpty()) {
            desk.informer.notify(toGbk(u"信息不完全，无法录入。"));
            return;
        }
    }
    if (const StoreProblem problem = recordStoreProblem(record); problem != StoreProblem::None) {
        desk.informer.notify(storeProblemMessage(problem));
        return;
    }

    desk.table.appendRow();
    const int row = desk.table.rowCount() - 1;
    for (int column = 0; column < kColumnCount; ++column)
        desk.table.setCell(row, column, record[column]);
    desk.fields.setFieldText(EntryField::Number, integerText(qint64(desk.table.rowCount()) + 1));
    const qint64 groups = integerValue(desk.fields.fieldText(EntryField::Groups));
    desk.fields.setFieldText(EntryField::Groups, integerText(groups + 1));

    if (!saveRegister(desk.storeFile, desk.table))
        desk.informer.notify(saveFailedMessage(desk.storeFile));
}
