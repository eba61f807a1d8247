// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include "platform/user_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString LockPathFor(const QString& name) {
    const QString lockName = name + QStringLiteral(".lock");
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QFileInfo(runtime).isWritable())
        return QDir(runtime).filePath(lockName);
    // Without a runtime folder of the user's own, a name of the user's own in the
    // shared temporary folder: one user's copy must not keep another user's out.
    const QString shared =
        QDir(QDir::tempPath()).filePath(UserTaggedName(name) + QStringLiteral(".lock"));
    if (OwnFileOrNone(shared))
        return shared;
    // Another user put a file there under this user's name: the user's data folder then.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(data);
    return QDir(data).filePath(lockName);
}
} // namespace

SingleInstance::SingleInstance(const QString& name) : path_(LockPathFor(name)), lock_(path_) {
    // Never stale by age: the program may run for months. A lock whose process is
    // gone is still recognised as stale and replaced.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::TryAcquire() {
    const OwnerOnlyFiles privately;
    return lock_.tryLock(0);
}
