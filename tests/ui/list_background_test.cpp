#include "window_fixture.h"

#include "ordinary_user.h"

#include <QDataStream>
#include <QDir>
#include <QImage>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kCream(252, 252, 235);

// The picture as its file format lays it out: a 24-bit bitmap of 50 × 32 pixels, rows
// bottom-up, 15 white rows over 17 cream ones.
QByteArray expectedPicture() {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(4918) << quint16(0) << quint16(0) << quint32(54);
    out << quint32(40) << qint32(50) << qint32(32) << quint16(1) << quint16(24) << quint32(0)
        << quint32(4864) << qint32(3780) << qint32(3780) << quint32(0) << quint32(0);
    for (int storedRow = 0; storedRow < 32; ++storedRow) {
        const QColor colour = storedRow < 17 ? kCream : kWhite;
        for (int x = 0; x < 50; ++x)
            out << quint8(colour.blue()) << quint8(colour.green()) << quint8(colour.red());
        out << quint8(0) << quint8(0);
    }
    return bytes;
}

using ListBackgroundTest = WindowTest;

TEST_F(ListBackgroundTest, EveryStartWritesThePictureOverWhateverWasThere) {
    QImage other(50, 32, QImage::Format_RGB888);
    other.fill(Qt::red);
    ASSERT_TRUE(other.save(dir.filePath("1.bmp")));

    open();
    const QByteArray written = readFile("1.bmp");
    EXPECT_EQ(written.size(), 4918);
    EXPECT_EQ(written, expectedPicture());

    const QBrush base = list()->viewport()->palette().base();
    ASSERT_EQ(base.style(), Qt::TexturePattern);
    const QImage tile = base.texture().toImage();
    EXPECT_EQ(tile.size(), QSize(50, 32));
    EXPECT_EQ(tile.pixelColor(0, 14), kWhite) << "the top 15 rows are white";
    EXPECT_EQ(tile.pixelColor(49, 15), kCream) << "the bottom 17 rows are cream";
    EXPECT_EQ(tile.pixelColor(0, 31), kCream);
    EXPECT_TRUE(boxes.seen.isEmpty());
}

TEST_F(ListBackgroundTest, CellTextsStandStraightOnTheStripes) {
    writeThreeRows();
    openShown();
    const QImage shown = list()->viewport()->grab().toImage();
    const QRect location = list()->visualRect(list()->model()->index(0, Location));
    ASSERT_GT(location.height(), 16) << "the first row must reach the cream band";
    // Right of the short text of the location cell, in the white band and in the cream one.
    EXPECT_EQ(shown.pixelColor(location.right() - 5, 5), kWhite);
    EXPECT_EQ(shown.pixelColor(location.right() - 5, 16), kCream);
    // Below the rows the pattern goes on.
    EXPECT_EQ(shown.pixelColor(200, 32 * 8 + 20), kCream);
}

TEST_F(ListBackgroundTest, AReadOnlyDirectoryGivesAPlainWhiteListAndNoMessage) {
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                      QFile::ReadOther | QFile::ExeOther));
    const int outcome = runAsOrdinaryUser([&] {
        open();
        const QBrush base = list()->viewport()->palette().base();
        int faults = 0;
        if (QFile::exists(dir.filePath("1.bmp")))
            faults |= 1;
        if (base.style() != Qt::SolidPattern || base.color() != kWhite)
            faults |= 2;
        if (!boxes.seen.isEmpty())
            faults |= 4;
        return faults;
    });
    EXPECT_EQ(outcome, 0) << "1: file written, 2: list not plain white, 4: a message shown";
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
