#include "split_text.h"

#include <cstring>

QList<QByteArrayView> splitText(QByteArrayView text, QByteArrayView separator) {
    QList<QByteArrayView> pieces;
    const char* const data = text.data();
    const qsizetype size = text.size();
    const qsizetype sepSize = separator.size();
    qsizetype pieceStart = 0;
    qsizetype scan = 0;
    while (size - scan >= sepSize) {
        // The first byte alone rules out almost every position without a call.
        if (data[scan] == separator[0] &&
            std::memcmp(data + scan, separator.data(), sepSize) == 0) {
            pieces.append(text.sliced(pieceStart, scan - pieceStart));
            scan += sepSize;
            pieceStart = scan;
        } else if (static_cast<unsigned char>(data[scan]) >= 0x80) {
            if (scan + 1 == size)
                break;
            scan += 2;
        } else {
            ++scan;
        }
    }
    if (pieceStart < size)
        pieces.append(text.sliced(pieceStart));
    return pieces;
}
