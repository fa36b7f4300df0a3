#pragma once

#include <functional>

// Runs body with the file permissions of an ordinary user and returns what it returns
// (0 to 255). Under root, whom permissions do not stop, it runs in a child process that
// has dropped to the user "nobody"; files it must reach need permissions for others.
int runAsOrdinaryUser(const std::function<int()>& body);
