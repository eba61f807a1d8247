#include "platform/user_files.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

QString UserTaggedName(const QString& name) {
    return QStringLiteral("%1-%2").arg(name).arg(::getuid());
}

bool OwnFileOrNone(const QString& path) {
    struct stat st {};
    if (::lstat(path.toLocal8Bit().constData(), &st) != 0)
        return errno == ENOENT;
    return S_ISREG(st.st_mode) && st.st_uid == ::getuid();
}

OwnerOnlyFiles::OwnerOnlyFiles() : previous_(::umask(077)) {}

OwnerOnlyFiles::~OwnerOnlyFiles() {
    ::umask(mode_t(previous_));
}
#else

// Elsewhere the temporary folder is the user's own.
QString UserTaggedName(const QString& name) {
    return name;
}

bool OwnFileOrNone(const QString&) {
    return true;
}

OwnerOnlyFiles::OwnerOnlyFiles() = default;
OwnerOnlyFiles::~OwnerOnlyFiles() = default;
#endif
