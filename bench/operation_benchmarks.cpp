#include "bench_desk.h"
#include "bench_registry.h"
#include "deleting.h"
#include "gbk_text.h"
#include "record_entry.h"

namespace {

// 录入 on a register of the given size: the row is appended and the whole file saved.
void entry(benchmark::State& state) {
    BenchDesk bench;
    bench.prepare(static_cast<int>(state.range(0)));
    const QMap<EntryField, QByteArray> filled = {
        {EntryField::Number, "100001"},
        {EntryField::Groups, "3"},
        {EntryField::Location, toGbk(u"5号楼2层梁")},
        {EntryField::MoldingDate, toGbk(u"2025年3月10日10时30分")},
        {EntryField::Age, "28"},
        {EntryField::DueDate, toGbk(u"4月7日")}};
    for (auto _ : state) {
        state.PauseTiming();
        bench.fields.texts = filled;
        state.ResumeTiming();
        enterRecord(bench.desk);
        state.PauseTiming();
        bench.table.deleteRow(bench.table.rowCount() - 1);
        state.ResumeTiming();
    }
}

// 删除 with every other row ticked, or 删除到期 (one row in a hundred is due): removal, save
// and reload from the file, each time on a freshly loaded register.
void deletion(benchmark::State& state, bool tickHalf, void (*operation)(RegisterDesk&)) {
    BenchDesk bench;
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        bench.prepare(rows);
        for (int row = 0; tickHalf && row < rows; row += 2)
            bench.table.setData(bench.table.index(row, 0), Qt::Checked, Qt::CheckStateRole);
        state.ResumeTiming();
        operation(bench.desk);
    }
}

} // namespace

void registerOperationBenchmarks() {
    benchmark::RegisterBenchmark("entry", entry)->Apply(atBenchSizes);
    benchmark::RegisterBenchmark("delete_ticked", deletion, true, deleteTicked)
        ->Apply(atBenchSizes);
    benchmark::RegisterBenchmark("delete_due", deletion, false, deleteDue)->Apply(atBenchSizes);
}
