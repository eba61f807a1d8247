#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString LockPathFor(const QString& name) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(name + QStringLiteral(".lock"));
}
} // namespace

SingleInstance::SingleInstance(const QString& name) : path_(LockPathFor(name)), lock_(path_) {
    // Never stale by age: the program may run for months. A lock whose process is
    // gone is still recognised as stale and replaced.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::TryAcquire() {
    return lock_.tryLock(0);
}
