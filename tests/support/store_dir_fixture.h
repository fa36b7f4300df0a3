#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A fresh directory for a store file "lq.vx", with its bytes at hand.
class StoreDirTest : public testing::Test {
protected:
    QString path() const { return dir.filePath("lq.vx"); }

    void writeFile(const QByteArray& bytes) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir;
};
