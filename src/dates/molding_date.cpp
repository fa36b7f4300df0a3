#include "molding_date.h"

#include "text_forms.h"

QByteArray moldingDateText(const DateTime& picked, const DateTime& now) {
    return yearMonthDayText(picked.year, picked.month, picked.day) +
           hourMinuteText(now.hour, now.minute);
}

void initMoldingDate(EntryFields& fields, const DateTime& pickerValue) {
    fields.setFieldText(EntryField::MoldingDate, dateText(pickerValue));
}

void onPickerDateChanged(EntryFields& fields, const DateTime& pickerValue, const Clock& clock) {
    fields.setFieldText(EntryField::MoldingDate,
                        moldingDateText(pickerValue, clock.currentDateTime()));
}
