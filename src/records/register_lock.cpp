#include "register_lock.h"

#include "gbk_text.h"

#include <QDir>

using namespace Qt::StringLiterals;

QString registerLockPath(const QString& storeFile) {
    return storeFile + u".lock"_s;
}

namespace {

QByteArray registerInUseMessage(const QString& storeFile) {
    return toGbk(
        u"记录文件正被另一个打开的 Quorvel 使用：\r\n"_s + QDir::toNativeSeparators(storeFile) +
        u"\r\n请在已打开的窗口中继续登记。本程序现在关闭，以免两个窗口互相覆盖记录。"
        u"\r\n如果确实没有别的 Quorvel 在运行（例如在另一台电脑上），请删除锁文件：\r\n"_s +
        QDir::toNativeSeparators(registerLockPath(storeFile)));
}

} // namespace

std::unique_ptr<QLockFile> acquireRegisterLock(const QString& storeFile, Informer& informer) {
    auto lock = std::make_unique<QLockFile>(registerLockPath(storeFile));
    // A running copy holds the lock however long it runs; only a lock whose process is
    // gone counts as stale. By default an old lock would be taken over wherever the file
    // system cannot show that it is still held (some network shares).
    lock->setStaleLockTime(0);
    if (lock->tryLock() || lock->error() != QLockFile::LockFailedError)
        return lock;
    informer.notify(registerInUseMessage(storeFile));
    return nullptr;
}
