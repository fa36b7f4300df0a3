#pragma once

#include <QByteArray>

// The desktop's information box: the given GBK text and title, one OK button, modal to the
// whole program; returns when the user has closed it.
void showInfoBox(const QByteArray& text, const QByteArray& title);
