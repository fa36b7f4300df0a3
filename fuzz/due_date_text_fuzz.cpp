#include "due_date.h"
#include "due_today.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

// dueDateText for any day of the clock's years and any age: a text always, and the
// specimen is due on the day the text names.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QDate today = QDate(1, 1, 1).addDays(input.ConsumeIntegralInRange(0, 3'652'058));
    const qint32 age = input.ConsumeIntegral<qint32>();
    const QByteArray text = dueDateText(today, age);
    const QDate due = today.addDays(age);
    if (text.isEmpty())
        std::abort();
    // A year before 1 is written with a minus sign, which the due-today rule does not
    // read as a year; such dates lie millions of years off any register.
    if (due.year() > 0 && !isDueToday(text, due))
        std::abort();
    return 0;
}
