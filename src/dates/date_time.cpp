#include "date_time.h"

DateTime DateTime::fromQDateTime(const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}
