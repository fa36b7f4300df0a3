#pragma once

#include <QByteArray>
#include <QString>

// The program keeps every text as GBK bytes. These two are the only crossings to and
// from Qt's Unicode strings; GB18030 keeps every GBK text's bytes and still stores a
// character that GBK lacks.
QByteArray toGbk(QStringView text);
QString fromGbk(QByteArrayView bytes);
