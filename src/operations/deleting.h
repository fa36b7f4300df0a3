#pragma once

#include "register_desk.h"

#include <functional>

// Removes every row for which the test holds, in one pass; the others keep their order.
// The test sees the rows as they stood before the call.
void deleteRowsWhere(RecordTable& table, const std::function<bool(int row)>& test);

// 删除: removes the ticked rows. 删除到期: removes the rows due today. Both then tell
// the user, save, and show the register again as the store file holds it.
void deleteTicked(RegisterDesk& desk);
void deleteDue(RegisterDesk& desk);
