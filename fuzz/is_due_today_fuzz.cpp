#include "due_today.h"
#include "text_forms.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

// isDueToday on any cell and any day of the clock's years. Today's own texts are due,
// another year's date is not, and what follows a due date cannot take it back.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QDate today = QDate(1, 1, 1).addDays(input.ConsumeIntegralInRange(0, 3'652'058));
    const QByteArray cell = QByteArray::fromStdString(input.ConsumeRandomLengthString(256));
    const QByteArray suffix = QByteArray::fromStdString(input.ConsumeRemainingBytesAsString());

    const bool due = isDueToday(cell, today);
    if (due && !cell.contains(monthDayText(today.month(), today.day())))
        std::abort();
    if (due && !isDueToday(cell + suffix, today))
        std::abort();
    if (!isDueToday(monthDayText(today.month(), today.day()), today) ||
        !isDueToday(yearMonthDayText(today.year(), today.month(), today.day()), today) ||
        isDueToday(yearMonthDayText(today.year() + 1, today.month(), today.day()), today))
        std::abort();
    return 0;
}
