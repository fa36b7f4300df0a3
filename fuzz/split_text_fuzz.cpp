#include "split_text.h"

#include <cstdint>
#include <cstdlib>

// splitText on any text with the store's separators and with separators taken from the
// input: the pieces and the separators between them give back the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QByteArray separators[] = {"\r\n", "---", "\xC4\xEA", {}};
    QByteArray separator = separators[data[0] % 4];
    QByteArray text(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (separator.isEmpty()) {
        const qsizetype length = 1 + data[0] / 4 % 3;
        separator = text.left(length);
        text.remove(0, separator.size());
        if (separator.isEmpty())
            return 0;
    }
    QList<QByteArray> pieces;
    for (const QByteArrayView piece : splitText(text, separator))
        pieces.append(piece.toByteArray());
    const QByteArray joined = pieces.join(separator);
    if (text != joined && text != joined + separator)
        std::abort();
    if (text.isEmpty() != pieces.isEmpty())
        std::abort();
    return 0;
}
