#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Splits GBK text at each occurrence of separator, leftmost match first. A byte of
// 0x80 or above is stepped over together with the byte after it, so a separator is
// never found inside a double-byte character. An empty rest after the last separator
// gives no piece.
QList<QByteArray> splitText(const QByteArray& text, const QByteArray& separator);

// The same pieces as views into the text, for a caller that keeps copies of only some.
QList<QByteArrayView> splitTextViews(QByteArrayView text, QByteArrayView separator);
