#pragma once

#include "clock.h"
#include "entry_fields.h"

#include <QByteArray>

// The molding date as written after a pick: the picked date with the hour and minute of
// the moment of picking, 2024年10月5日9时5分.
QByteArray moldingDateText(const DateTime& picked, const DateTime& now);

// At start: the full date text of the picker's value, with its time of day.
void initMoldingDate(EntryFields& fields, const DateTime& pickerValue);

// After every change of the picker's value.
void onPickerDateChanged(EntryFields& fields, const DateTime& pickerValue, const Clock& clock);
