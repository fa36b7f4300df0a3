#pragma once

#include <QByteArrayView>
#include <QList>

// Splits GBK text at each occurrence of separator, leftmost match first. A byte of
// 0x80 or above is stepped over together with the byte after it, so a separator is
// never found inside a double-byte character. An empty rest after the last separator
// gives no piece. The pieces are views into the text, so a caller copies only what it keeps.
QList<QByteArrayView> splitText(QByteArrayView text, QByteArrayView separator);
