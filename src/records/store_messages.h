#pragma once

#include "record_store.h"

#include <QByteArray>
#include <QString>

// What the user is told when the store file lets the register down, naming the file,
// and why an entry that the file could not carry is refused.
QByteArray saveFailedMessage(const QString& storeFile);
QByteArray unreadableStoreMessage(const QString& storeFile);
QByteArray storeProblemMessage(StoreProblem problem);
