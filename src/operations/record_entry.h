#pragma once

#include "register_desk.h"

// 录入: appends the entry fields as a new row, proposes the next number and group count,
// and rewrites the store file. Refuses an incomplete entry, and one the file could not
// carry back unchanged.
void enterRecord(RegisterDesk& desk);
