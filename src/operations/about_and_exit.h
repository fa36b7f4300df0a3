#pragma once

#include "informer.h"

// 关于: a short text about the program and how to reach its makers.
void showAbout(Informer& informer);

// 退出: ends the process at once with status 0. Everything entered or deleted has
// already been saved by the operation that did it.
[[noreturn]] void endProgram();
