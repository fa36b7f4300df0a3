#include "../ui/window_fixture.h"

#include "ordinary_user.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

namespace {

// A "1.bmp" that the program cannot write over, because another user's file or a directory
// stands in its place. The window opens all the same with the whole register, says nothing,
// and leaves the file as it was.
using LockedPicture = WindowTest;

TEST_F(LockedPicture, AnotherUsersPictureIsLeftAsItWas) {
    writeThreeRows();
    QImage other(50, 32, QImage::Format_RGB888);
    other.fill(Qt::red);
    ASSERT_TRUE(other.save(dir.filePath("1.bmp")));
    const QByteArray before = readFile("1.bmp");
    ASSERT_TRUE(QFile::setPermissions(dir.filePath("1.bmp"), QFile::ReadOwner | QFile::ReadOther));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ExeOwner | QFile::ReadOther |
                                                      QFile::WriteOther | QFile::ExeOther));
    const int outcome = runAsOrdinaryUser([&] {
        open();
        int faults = 0;
        if (list()->model()->rowCount() != 3)
            faults |= 1;
        if (!boxes.seen.isEmpty())
            faults |= 2;
        if (readFile("1.bmp") != before)
            faults |= 4;
        return faults;
    });
    EXPECT_EQ(outcome, 0) << "1: rows missing, 2: a message shown, 4: the picture changed";
}

TEST_F(LockedPicture, DirectoryInItsPlaceGivesAPlainList) {
    writeThreeRows();
    ASSERT_TRUE(QDir(dir.path()).mkdir("1.bmp"));
    open();
    EXPECT_EQ(list()->model()->rowCount(), 3);
    EXPECT_TRUE(boxes.seen.isEmpty());
    EXPECT_NE(list()->viewport()->palette().base().style(), Qt::TexturePattern);
    EXPECT_TRUE(QFileInfo(dir.filePath("1.bmp")).isDir());
}

} // namespace
