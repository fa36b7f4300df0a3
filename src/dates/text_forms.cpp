#include "text_forms.h"

namespace {

// GBK bytes of 年, 月, 日, 时, 分 and 秒.
const QByteArray kYear = QByteArrayLiteral("\xC4\xEA");
const QByteArray kMonth = QByteArrayLiteral("\xD4\xC2");
const QByteArray kDay = QByteArrayLiteral("\xC8\xD5");
const QByteArray kHour = QByteArrayLiteral("\xCA\xB1");
const QByteArray kMinute = QByteArrayLiteral("\xB7\xD6");
const QByteArray kSecond = QByteArrayLiteral("\xC3\xEB");

// Full-width ASCII forms (A3 A1 to A3 FE) and a few look-alikes, as one-byte forms.
QByteArray foldFullWidth(const QByteArray& text) {
    QByteArray folded;
    folded.reserve(text.size());
    for (qsizetype at = 0; at < text.size();) {
        const unsigned char lead = text[at];
        if (lead < 0x80) {
            folded += char(lead);
            ++at;
            continue;
        }
        if (at + 1 == text.size())
            break;
        const unsigned char trail = text[at + 1];
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
            folded += char(trail - 0x80);
        else if (lead == 0xA1 && trail == 0xA1)
            folded += ' ';
        else if (lead == 0xA1 && trail == 0xAB)
            folded += '~';
        else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF))
            folded += '*';
        else
            folded += text.sliced(at, 2);
        at += 2;
    }
    return folded;
}

bool isWhiteSpace(char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

} // namespace

QByteArray integerText(qint64 n) {
    return QByteArray::number(n);
}

qint32 integerValue(const QByteArray& text) {
    const QByteArray folded = foldFullWidth(text);
    qsizetype at = 0;
    while (at < folded.size() && isWhiteSpace(folded[at]))
        ++at;
    bool negative = false;
    if (at < folded.size() && (folded[at] == '-' || folded[at] == '+')) {
        negative = folded[at] == '-';
        ++at;
    }
    quint32 total = 0;
    for (; at < folded.size() && folded[at] >= '0' && folded[at] <= '9'; ++at)
        total = total * 10u + quint32(folded[at] - '0');
    if (negative)
        total = 0u - total;
    return static_cast<qint32>(total);
}

QByteArray monthDayText(qint64 month, qint64 day) {
    return integerText(month) + kMonth + integerText(day) + kDay;
}

QByteArray yearMonthDayText(qint64 year, qint64 month, qint64 day) {
    return integerText(year) + kYear + monthDayText(month, day);
}

QByteArray hourMinuteText(qint64 hour, qint64 minute) {
    return integerText(hour) + kHour + integerText(minute) + kMinute;
}

QByteArray dateText(const DateTime& moment) {
    const QDate lastDay(9999, 12, 31);
    const bool atMidnight = moment.hour == 0 && moment.minute == 0 && moment.second == 0;
    if (moment.date() > lastDay || (moment.date() == lastDay && !atMidnight))
        return yearMonthDayText(9999, 12, 31);
    if (moment.date() == QDate(100, 1, 1))
        return yearMonthDayText(100, 1, 1);

    QByteArray text = yearMonthDayText(moment.year, moment.month, moment.day);
    if (moment.second != 0)
        return text + hourMinuteText(moment.hour, moment.minute) + integerText(moment.second) +
               kSecond;
    if (moment.minute != 0)
        return text + hourMinuteText(moment.hour, moment.minute);
    if (moment.hour != 0)
        return text + integerText(moment.hour) + kHour;
    return text;
}
