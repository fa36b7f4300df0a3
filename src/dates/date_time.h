#pragma once

#include <QDate>
#include <QDateTime>

// A local calendar date with a time of day, to the whole second; no time zone.
struct DateTime {
    int year = 1;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    static DateTime fromQDateTime(const QDateTime& moment);
    QDate date() const { return QDate(year, month, day); }
    friend bool operator==(const DateTime&, const DateTime&) = default;
};
