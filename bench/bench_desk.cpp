#include "bench_desk.h"

#include "record_store.h"
#include "sample_register.h"

#include <stdexcept>

BenchDesk::BenchDesk()
    : clock({kBenchToday.year(), kBenchToday.month(), kBenchToday.day(), 10, 30, 0}),
      desk{table, fields, informer, clock, storeFile()} {
    view.setModel(&table);
    view.resize(800, 400);
    view.show();
}

void BenchDesk::prepare(int rows) {
    writeSampleStore(storeFile(), rows);
    reload();
}

void BenchDesk::reload() {
    table.clearRows();
    if (!loadRegister(storeFile(), table))
        throw std::runtime_error("cannot read the sample register");
}
