// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"

#include "platform/user_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString LockName(const QString& name) {
    return name + QStringLiteral(".lock");
}

QString DataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString LockPathFor(const QString& name) {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QFileInfo(runtime).isWritable())
        return QDir(runtime).filePath(LockName(name));
    // Without a runtime folder of the user's own, a name of the user's own in the
    // shared temporary folder: one user's copy must not keep another user's out.
    const QString shared =
        QDir(QDir::tempPath()).filePath(UserTaggedName(name) + QStringLiteral(".lock"));
    if (OwnFileOrNone(shared))
        return shared;
    // Another user put a file there under this user's name: the user's data folder then.
    return QDir(DataFolder()).filePath(LockName(name));
}

// Why no new file can be made at path, in the system's words.
QString CreationError(const QString& path) {
    QFile probe(path);
    if (probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        probe.remove();
        return SingleInstance::tr("the lock could not be taken");
    }
    return probe.errorString();
}

QString Folder(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}
} // namespace

SingleInstance::SingleInstance(const QString& name) : name_(name), path_(LockPathFor(name)) {}

SingleInstance::Take SingleInstance::TakeAt(const QString& path, QString& reason) {
    if (QFileInfo(path).absolutePath() == QFileInfo(DataFolder()).absoluteFilePath())
        MakeOwnerOnlyFolder(DataFolder());
    lock_ = std::make_unique<QLockFile>(path);
    // Never stale by age: the program may run for months. A lock whose process is
    // gone is still recognised as stale and replaced.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return Take::Taken;
    // Only a lock file that is there means another copy; any other failure
    // (a folder that cannot be written, or is not one) is the folder's.
    if (lock_->error() == QLockFile::LockFailedError)
        return Take::Held;
    reason = CreationError(path);
    lock_.reset();
    return Take::Failed;
}

bool SingleInstance::TryAcquire() {
    const OwnerOnlyFiles privately;
    problem_.clear();
    QString reason;
    const Take first = TakeAt(path_, reason);
    if (first != Take::Failed)
        return first == Take::Taken;
    const QString failed = path_;
    const QString data = DataFolder();
    const QString fallback = data.isEmpty() ? failed : QDir(data).filePath(LockName(name_));
    QString fallbackReason;
    const Take second = fallback == failed ? Take::Failed : TakeAt(fallback, fallbackReason);
    if (second == Take::Held) {
        path_ = fallback;
        return false;
    }
    if (second == Take::Taken) {
        path_ = fallback;
        problem_ = tr("The lock file that keeps a second copy of BRACKWATER from starting cannot "
                      "be created in the folder \"%1\": %2. It was created in \"%3\" instead.")
                       .arg(Folder(failed), reason, Folder(fallback));
        return true;
    }
    problem_ = fallback == failed
                   ? tr("The lock file that keeps a second copy of BRACKWATER from starting "
                        "cannot be created in the folder \"%1\": %2. BRACKWATER starts "
                        "without it.")
                         .arg(Folder(failed), reason)
                   : tr("The lock file that keeps a second copy of BRACKWATER from starting "
                        "cannot be created in the folder \"%1\": %2, nor in \"%3\": %4. "
                        "BRACKWATER starts without it.")
                         .arg(Folder(failed), reason, Folder(fallback), fallbackReason);
    return true;
}
