#include "text_forms.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Whether the text begins with a digit, one-byte or full-width.
bool startsWithDigit(const QByteArray& text) {
    if (text.isEmpty())
        return false;
    const auto first = static_cast<unsigned char>(text[0]);
    if (first >= '0' && first <= '9')
        return true;
    return first == 0xA3 && text.size() > 1 && static_cast<unsigned char>(text[1]) >= 0xB0 &&
           static_cast<unsigned char>(text[1]) <= 0xB9;
}

} // namespace

// integerValue on any text; and the program's own text of a number, followed by anything
// but a further digit, reads back as that number.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)integerValue(text);
    qint32 number = 0;
    const std::size_t used = std::min(size, sizeof number);
    std::memcpy(&number, data, used);
    const QByteArray rest = text.sliced(qsizetype(used));
    if (!startsWithDigit(rest) && integerValue(integerText(number) + rest) != number)
        std::abort();
    return 0;
}
