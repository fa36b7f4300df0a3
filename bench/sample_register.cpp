#include "sample_register.h"

#include "due_date.h"
#include "gbk_text.h"
#include "record_store.h"
#include "text_forms.h"

#include <array>
#include <stdexcept>

std::vector<SpecimenRecord> sampleRecords(int rows) {
    const std::array<QByteArray, 6> locations = {toGbk(u"3层柱"),      toGbk(u"5号楼2层梁"),
                                                 toGbk(u"地下室顶板"), toGbk(u"12层KZ3柱"),
                                                 toGbk(u"屋面梁"),     toGbk(u"1号楼8层板")};
    constexpr std::array<int, 7> ages = {3, 7, 14, 28, 56, 60, 90};
    std::vector<SpecimenRecord> records;
    records.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        const int age = ages[row % ages.size()];
        const QDate molded = kBenchToday.addDays(-((row * 37) % 100));
        records.push_back({integerText(row + 1), integerText(1 + row % 6),
                           locations[row % locations.size()],
                           yearMonthDayText(molded.year(), molded.month(), molded.day()) +
                               hourMinuteText(8 + row % 10, row % 60),
                           integerText(age), dueDateText(molded, age)});
    }
    return records;
}

void writeSampleStore(const QString& path, int rows) {
    RecordTable table;
    table.appendRows(sampleRecords(rows));
    if (!saveRegister(path, table))
        throw std::runtime_error("cannot write the sample register");
}
