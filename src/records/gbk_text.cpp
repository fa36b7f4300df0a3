#include "gbk_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

QByteArray toGbk(QStringView text) {
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

QString fromGbk(QByteArrayView bytes) {
    QStringDecoder decoder("GB18030");
    return decoder.decode(bytes);
}
