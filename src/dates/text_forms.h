#pragma once

#include "date_time.h"

#include <QByteArray>

// The program's own text forms of numbers and dates, as GBK bytes. Nothing is padded,
// grouped or zero-filled: 3月5日, 9时5分, 2024年10月8日.

QByteArray integerText(qint64 n);

// The signed 32-bit number that the text begins with, after leading white space and one
// optional sign; full-width forms count as their one-byte forms. Digits wrap modulo 2^32;
// a text that does not begin with a number gives 0.
qint32 integerValue(const QByteArray& text);

QByteArray monthDayText(qint64 month, qint64 day);
QByteArray yearMonthDayText(qint64 year, qint64 month, qint64 day);
QByteArray hourMinuteText(qint64 hour, qint64 minute);

// The date, then the time of day cut after its last non-zero unit:
// 2011年10月1日, 2011年10月1日12时, 2011年10月1日0时5分, 2011年10月1日12时0分3秒.
QByteArray dateText(const DateTime& moment);
