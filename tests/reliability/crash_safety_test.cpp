#include "record_store.h"

#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include <gtest/gtest.h>

namespace {

// Version v of the register: between 100 and 5,000 rows, every cell naming the version,
// so that a file mixing two versions or cut short shows at once.
void fillVersion(RecordTable& table, int version) {
    const QByteArray tag = "v" + QByteArray::number(version);
    const int rows = 100 * (1 + version % 50);
    std::vector<SpecimenRecord> records;
    for (int row = 0; row < rows; ++row) {
        const QByteArray cell = tag + "r" + QByteArray::number(row);
        records.push_back({cell, cell, cell, cell, cell, cell});
    }
    table.clearRows();
    table.appendRows(std::move(records));
}

QByteArray versionBytes(const QString& scratchFile, int version) {
    RecordTable table;
    fillVersion(table, version);
    if (!saveRegister(scratchFile, table))
        return "<cannot save>";
    QFile file(scratchFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<cannot read>");
}

// The version the store file holds, judged by its first cell; -1 if there is none.
int versionIn(const QByteArray& bytes) {
    if (!bytes.startsWith('v'))
        return -1;
    bool ok = false;
    const int version = bytes.mid(1, bytes.indexOf('r') - 1).toInt(&ok);
    return ok ? version : -1;
}

// Saves one version after another, each a little larger, until it is killed.
[[noreturn]] void saveForever(const QString& storeFile, int firstVersion) {
    RecordTable table;
    for (int version = firstVersion;; ++version) {
        fillVersion(table, version);
        saveRegister(storeFile, table);
    }
}

TEST(CrashSafety, KilledWhileSavingTheFileIsAlwaysOneWholeVersion) {
    QTemporaryDir dir;
    QTemporaryDir scratch;
    const QString storeFile = dir.filePath("lq.vx");
    const QString scratchFile = scratch.filePath("lq.vx");
    {
        RecordTable table;
        fillVersion(table, 0);
        ASSERT_TRUE(saveRegister(storeFile, table));
    }

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("random seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> microseconds(0, 40'000);

    int version = 0;
    int newVersionsSeen = 0;
    for (int kill = 0; kill < 200; ++kill) {
        std::fflush(nullptr);
        const pid_t saver = fork();
        ASSERT_GE(saver, 0);
        if (saver == 0)
            saveForever(storeFile, version + 1);
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds(random)));
        ::kill(saver, SIGKILL);
        ASSERT_EQ(waitpid(saver, nullptr, 0), saver);

        QFile file(storeFile);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "after kill " << kill;
        const QByteArray bytes = file.readAll();
        const int found = versionIn(bytes);
        ASSERT_GE(found, version) << "after kill " << kill << ": " << bytes.left(40).data();
        ASSERT_EQ(bytes, versionBytes(scratchFile, found))
            << "after kill " << kill << ": version " << found << " not whole, " << bytes.size()
            << " bytes";
        newVersionsSeen += found > version;
        version = found;
    }
    // The kills must have fallen both after whole saves and before the next one was
    // done, or they proved nothing about the moments in between.
    EXPECT_GT(newVersionsSeen, 20);
    EXPECT_LT(newVersionsSeen, 200);
}

} // namespace
