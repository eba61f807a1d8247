// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/device_access.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

bool DevicePermissionDenied(const QString& device) {
    const QByteArray path = device.toLocal8Bit();
    return ::access(path.constData(), F_OK) == 0 && ::access(path.constData(), R_OK | W_OK) != 0 &&
           errno == EACCES;
}

QString DeviceGroup(const QString& device) {
    struct stat st {};
    if (::stat(device.toLocal8Bit().constData(), &st) != 0)
        return {};
    const group* g = ::getgrgid(st.st_gid);
    return g ? QString::fromLocal8Bit(g->gr_name) : QString();
}

QString DeviceListMark(const QStringList& paths) {
    // The device folder's change time moves with every node added or removed.
    struct stat st {};
    if (::stat("/dev", &st) != 0)
        return {};
    QString mark = QStringLiteral("%1.%2").arg(st.st_mtim.tv_sec).arg(st.st_mtim.tv_nsec);
    for (const QString& path : paths)
        mark += QFileInfo::exists(path) ? QLatin1Char('+') : QLatin1Char('-');
    return mark;
}

bool LockDevice(qintptr handle, int& error) {
    if (::flock(int(handle), LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK)
        return true; // a device that takes no lock is used as before
    error = EBUSY;
    return false;
}
#else
// Other systems open serial devices without group rights, and only once.
bool DevicePermissionDenied(const QString&) {
    return false;
}

QString DeviceGroup(const QString&) {
    return {};
}

QString DeviceListMark(const QStringList&) {
    return {};
}

bool LockDevice(qintptr, int&) {
    return true;
}
#endif
