#include "platform/device_access.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <grp.h>
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
#else
// Other systems open serial devices without group rights.
bool DevicePermissionDenied(const QString&) {
    return false;
}

QString DeviceGroup(const QString&) {
    return {};
}
#endif
