#include "about_and_exit.h"

#include "fakes.h"

#include <gtest/gtest.h>

namespace {

TEST(ShowAbout, ShowsTheSameTextEachTimeEndingWithTheContactLine) {
    FakeInformer informer;
    showAbout(informer);
    showAbout(informer);
    ASSERT_EQ(informer.shown.size(), 2);
    EXPECT_EQ(informer.shown[0].title, gbk(u"软件简介"));
    EXPECT_EQ(informer.shown[0].text, informer.shown[1].text);
    const QList<QByteArray> lines = informer.shown[0].text.split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("Quorvel"));
    EXPECT_TRUE(lines[1].contains("example.com"));
    EXPECT_FALSE(lines[1].endsWith('\r'));
}

TEST(EndProgram, EndsTheProcessWithStatusZero) {
    EXPECT_EXIT(endProgram(), testing::ExitedWithCode(0), "");
}

} // namespace
