#pragma once

#include "clock.h"
#include "entry_fields.h"

#include <QByteArray>
#include <QDate>

// The day a specimen of the given age in days is due, counted on the calendar from
// today: a month-day text within today's year, a year-month-day text in any other.
QByteArray dueDateText(const QDate& today, qint32 age);

// Rewrites the due-date field from the age field after every change of the age.
void onAgeChanged(EntryFields& fields, const Clock& clock);
