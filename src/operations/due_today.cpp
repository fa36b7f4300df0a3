#include "due_today.h"

#include "text_forms.h"

#include <cstring>
#include <vector>

namespace {

bool isAsciiDigit(char byte) {
    return byte >= '0' && byte <= '9';
}

// The positions where the characters of a GBK text start: a byte of 0x80 or above
// starts a two-byte character.
std::vector<qsizetype> characterStarts(const QByteArray& text) {
    std::vector<qsizetype> starts;
    for (qsizetype at = 0; at < text.size();) {
        starts.push_back(at);
        at += static_cast<unsigned char>(text[at]) >= 0x80 ? 2 : 1;
    }
    return starts;
}

// Whether the text before character number `first` (leading zeros already passed)
// lets a match there stand: no digit directly in front, and no other year.
bool leadInAllows(const QByteArray& text, const std::vector<qsizetype>& starts, std::size_t first,
                  const QDate& today) {
    if (first == 0)
        return true;
    const qsizetype before = starts[first - 1];
    if (isAsciiDigit(text[before]))
        return false;
    if (text.sliced(before, starts[first] - before) != QByteArrayLiteral("\xC4\xEA")) // 年
        return true;
    std::size_t yearStart = first - 1;
    while (yearStart > 0 && isAsciiDigit(text[starts[yearStart - 1]]))
        --yearStart;
    QByteArray year = text.sliced(starts[yearStart], before - starts[yearStart]);
    if (year.isEmpty())
        return true;
    while (year.size() > 1 && year.startsWith('0'))
        year.remove(0, 1);
    return year == integerText(today.year());
}

} // namespace

bool isDueToday(const QByteArray& dueDateCell, const QDate& today) {
    const QByteArray wanted = monthDayText(today.month(), today.day());
    const std::vector<qsizetype> starts = characterStarts(dueDateCell);
    for (std::size_t index = 0; index < starts.size(); ++index) {
        const qsizetype at = starts[index];
        if (dueDateCell.size() - at < wanted.size() ||
            std::memcmp(dueDateCell.constData() + at, wanted.constData(), wanted.size()) != 0)
            continue;
        std::size_t first = index;
        while (first > 0 && dueDateCell[starts[first - 1]] == '0')
            --first;
        if (leadInAllows(dueDateCell, starts, first, today))
            return true;
    }
    return false;
}

bool isDueToday(const RecordTable& table, int row, const QDate& today) {
    return isDueToday(table.cellText(row, DueDate), today);
}

void reportDueToday(RegisterDesk& desk) {
    // One reading of the clock, so that one report never mixes two days.
    const QDate today = desk.clock.currentDateTime().date();
    QByteArray report = toGbk(u"到期编号如下\r\n");
    for (int row = 0; row < desk.table.rowCount(); ++row) {
        if (isDueToday(desk.table, row, today))
            report += desk.table.cellText(row, SpecimenNumber) + "\r\n";
    }
    desk.informer.notify(report);
}
