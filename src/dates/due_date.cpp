#include "due_date.h"

#include "text_forms.h"

QByteArray dueDateText(const QDate& today, qint32 age) {
    // QDate's range spans millions of years either way, so every 32-bit age lands on a
    // valid (if proleptic) Gregorian date.
    const QDate due = today.addDays(age);
    if (due.year() == today.year())
        return monthDayText(due.month(), due.day());
    return yearMonthDayText(due.year(), due.month(), due.day());
}

void onAgeChanged(EntryFields& fields, const Clock& clock) {
    const qint32 age = integerValue(fields.fieldText(EntryField::Age));
    const QDate today = clock.currentDateTime().date();
    fields.setFieldText(EntryField::DueDate, dueDateText(today, age));
}
