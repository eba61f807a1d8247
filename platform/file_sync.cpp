// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_sync.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool SyncDescriptorToDisk(int fd) {
    int rc;
    do {
#if defined(Q_OS_DARWIN)
        rc = ::fsync(fd);
#else
        rc = ::fdatasync(fd);
#endif
    } while (rc != 0 && errno == EINTR);
    return rc == 0;
}

namespace {
bool SyncPath(const QString& path, int flags) {
    const int fd = ::open(path.toLocal8Bit().constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = SyncDescriptorToDisk(fd);
    const int error = errno;
    ::close(fd);
    errno = error;
    return ok;
}
} // namespace

bool SyncFileToDisk(const QString& path) {
    return SyncPath(path, O_WRONLY);
}

bool SyncFolderToDisk(const QString& path) {
    return SyncPath(path, O_RDONLY | O_DIRECTORY);
}
#elif defined(Q_OS_WIN)
#include <io.h>
#include <windows.h>

bool SyncDescriptorToDisk(int fd) {
    return ::_commit(fd) == 0;
}

bool SyncFileToDisk(const QString& path) {
    const HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    const bool ok = FlushFileBuffers(h) != 0;
    CloseHandle(h);
    return ok;
}

// NTFS journals its folder entries itself.
bool SyncFolderToDisk(const QString&) {
    return true;
}
#endif
