#include "register_lock.h"

#include "fakes.h"
#include "ordinary_user.h"
#include "store_dir_fixture.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// Another copy of the program, in a child process, that takes the lock on the register
// and keeps it until it is told to end or is killed.
class OtherCopy {
public:
    explicit OtherCopy(const QString& storeFile) {
        int toChild[2];
        int fromChild[2];
        if (pipe(toChild) != 0 || pipe(fromChild) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            FakeInformer informer;
            auto lock = acquireRegisterLock(storeFile, informer);
            const char locked = lock ? 1 : 0;
            char ignored;
            if (write(fromChild[1], &locked, 1) == 1)
                (void)read(toChild[0], &ignored, 1);
            lock.reset();
            _exit(0);
        }
        toChild_ = toChild[1];
        fromChild_ = fromChild[0];
        close(toChild[0]);
        close(fromChild[1]);
        char locked = 0;
        locked_ = read(fromChild_, &locked, 1) == 1 && locked == 1;
    }

    ~OtherCopy() { kill(); }

    bool locked() const { return locked_; }

    // Ends as the program ends, letting go of the lock.
    void end() {
        const char go = 1;
        if (write(toChild_, &go, 1) == 1)
            reap();
    }

    // Dies at once, as a crash or a power cut would leave it, lock file and all.
    void kill() {
        if (pid_ > 0)
            ::kill(pid_, SIGKILL);
        reap();
    }

private:
    void reap() {
        if (pid_ > 0)
            waitpid(pid_, nullptr, 0);
        pid_ = -1;
        if (toChild_ >= 0)
            close(toChild_);
        if (fromChild_ >= 0)
            close(fromChild_);
        toChild_ = fromChild_ = -1;
    }

    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
    bool locked_ = false;
};

class RegisterLock : public StoreDirTest {
protected:
    FakeInformer informer;
};

TEST_F(RegisterLock, FirstCopyTakesItSilentlyAndLetsGoWhenItEnds) {
    {
        const auto lock = acquireRegisterLock(path(), informer);
        ASSERT_NE(lock, nullptr);
        EXPECT_TRUE(lock->isLocked());
        EXPECT_TRUE(QFileInfo::exists(registerLockPath(path())));
    }
    EXPECT_TRUE(informer.shown.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(registerLockPath(path())));
    EXPECT_FALSE(QFileInfo::exists(path())) << "taking the lock writes no register";
}

TEST_F(RegisterLock, SecondCopyIsToldAndRefusedWhileTheFirstRuns) {
    writeFile("1---1---a---b---28---c\r\n");
    OtherCopy first(path());
    ASSERT_TRUE(first.locked());

    EXPECT_EQ(acquireRegisterLock(path(), informer), nullptr);
    ASSERT_EQ(informer.shown.size(), 1);
    EXPECT_EQ(informer.shown[0].title, gbk(u"提示"));
    const QByteArray& text = informer.shown[0].text;
    EXPECT_TRUE(text.startsWith(gbk(u"记录文件正被另一个打开的 Quorvel 使用"))) << text.data();
    EXPECT_TRUE(text.contains(gbk(path())));
    EXPECT_TRUE(text.contains(gbk(registerLockPath(path()))));
    EXPECT_EQ(readFile(), "1---1---a---b---28---c\r\n");

    first.end();
    EXPECT_NE(acquireRegisterLock(path(), informer), nullptr);
    EXPECT_EQ(informer.shown.size(), 1);
}

TEST_F(RegisterLock, LongRunningFirstCopyKeepsIt) {
    OtherCopy first(path());
    ASSERT_TRUE(first.locked());
    QFile lockFile(registerLockPath(path()));
    ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                     QFileDevice::FileModificationTime));
    lockFile.close();
    EXPECT_EQ(acquireRegisterLock(path(), informer), nullptr);
    EXPECT_EQ(informer.shown.size(), 1);
}

TEST_F(RegisterLock, LockLeftByACrashedCopyIsRecovered) {
    OtherCopy crashed(path());
    ASSERT_TRUE(crashed.locked());
    crashed.kill();
    ASSERT_TRUE(QFileInfo::exists(registerLockPath(path())));

    const auto lock = acquireRegisterLock(path(), informer);
    ASSERT_NE(lock, nullptr);
    EXPECT_TRUE(lock->isLocked());
    EXPECT_TRUE(informer.shown.isEmpty());
}

TEST_F(RegisterLock, ReadOnlyDirectoryGoesOnUnlocked) {
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                      QFile::ReadOther | QFile::ExeOther));
    const int result = runAsOrdinaryUser([&] {
        FakeInformer quiet;
        const auto lock = acquireRegisterLock(path(), quiet);
        return !lock ? 1 : lock->isLocked() ? 2 : quiet.shown.isEmpty() ? 0 : 3;
    });
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(result, 0);
}

} // namespace
