#pragma once

#include "informer.h"

#include <QLockFile>
#include <QString>

#include <memory>

// Two copies of the program on one register would each save their own table over the
// other's entries. A lock file beside the store file, held while the program runs, lets
// only the first go on; the lock of a copy that crashed is recovered at the next start.
//
// Returns what the caller keeps for as long as the program runs. Null when another
// running copy holds the register: the user has then been told, and this copy must end
// without loading or saving. Where the directory takes no lock file, no copy can save
// there either, so the program goes on unlocked.
std::unique_ptr<QLockFile> acquireRegisterLock(const QString& storeFile, Informer& informer);

QString registerLockPath(const QString& storeFile);
