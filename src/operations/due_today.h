#pragma once

#include "register_desk.h"

#include <QByteArray>
#include <QDate>

// A due-date cell names today when it holds today's month-day text at a character
// start, with no digit in front of it (leading zeros aside), and with no other year
// written in digits before it.
bool isDueToday(const QByteArray& dueDateCell, const QDate& today);
bool isDueToday(const RecordTable& table, int row, const QDate& today);

// 今日到期: lists the numbers of the rows due today, one per line.
void reportDueToday(RegisterDesk& desk);
