// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/checked_file.h"

#include "platform/file_sync.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRandomGenerator>
#include <algorithm>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#endif

namespace FileFaults {
namespace {
QMutex mutex;
Fault armed;
bool isArmed = false;
int armings = 0;
} // namespace

void Arm(const Fault& fault) {
    QMutexLocker lock(&mutex);
    armed = fault;
    isArmed = true;
    ++armings;
}

void Disarm() {
    QMutexLocker lock(&mutex);
    isArmed = false;
}

bool Current(Fault& fault, int* arming) {
    QMutexLocker lock(&mutex);
    fault = armed;
    if (arming)
        *arming = armings;
    return isArmed;
}
} // namespace FileFaults

QString SystemErrorText(int error) {
    const QString text = qt_error_string(error);
    return text.isEmpty() ? QCoreApplication::translate("CheckedFile", "error %1").arg(error)
                          : text;
}

namespace {
using FileFaults::Call;

QByteArray Native(const QString& path) {
    return QFile::encodeName(QDir::toNativeSeparators(path));
}

#ifdef Q_OS_UNIX
int OpenNew(const QString& path, int mode) {
    int fd;
    do
        fd = ::open(Native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

qsizetype WriteFd(int fd, const char* data, qsizetype size) {
    return ::write(fd, data, static_cast<size_t>(size));
}

bool CloseFd(int fd) {
    // Linux closes the descriptor even when close reports EINTR: never retry.
    return ::close(fd) == 0 || errno == EINTR;
}

bool RenameOver(const QString& from, const QString& to) {
    return ::rename(Native(from).constData(), Native(to).constData()) == 0;
}

// A second name for the target, to put it back should the folder sync fail
// after the rename. False where the file system has no hard links.
bool KeepOld(const QString& target, const QString& keep) {
    return ::link(Native(target).constData(), Native(keep).constData()) == 0;
}

int ExistingMode(const QString& target) {
    struct stat st {};
    return ::stat(Native(target).constData(), &st) == 0 && S_ISREG(st.st_mode)
               ? int(st.st_mode & 07777)
               : -1;
}
#else
int OpenNew(const QString& path, int mode) {
    return ::_wopen(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                    _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, mode);
}

qsizetype WriteFd(int fd, const char* data, qsizetype size) {
    return ::_write(fd, data, static_cast<unsigned>(std::min<qsizetype>(size, 1 << 30)));
}

bool CloseFd(int fd) {
    return ::_close(fd) == 0;
}

bool RenameOver(const QString& from, const QString& to) {
    if (MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()),
                    reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
    return false;
}

bool KeepOld(const QString&, const QString&) {
    return false;
}

int ExistingMode(const QString&) {
    return -1;
}
#endif
} // namespace

CheckedFileWriter::CheckedFileWriter(const QString& target) : target_(target) {
    // A link is followed, so the file it names is replaced, not the link.
    const QFileInfo info(target);
    if (info.isSymLink())
        target_ = info.symLinkTarget();
}

CheckedFileWriter::~CheckedFileWriter() {
    if (!committed_)
        Cancel();
}

bool CheckedFileWriter::Fail(int error) {
    if (error_ == 0)
        error_ = error != 0 ? error : EIO;
    Cancel();
    return false;
}

QString CheckedFileWriter::ErrorText() const {
    return SystemErrorText(error_);
}

bool CheckedFileWriter::Open() {
    armed_ = FileFaults::Current(fault_);
    const QFileInfo info(target_);
    const int existing = ExistingMode(target_);
    const QString prefix = info.absoluteDir().filePath(QLatin1Char('.') + info.fileName());
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temp_ = QStringLiteral("%1.%2.part")
                    .arg(prefix)
                    .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        fd_ = OpenNew(temp_, 0666);
        if (fd_ < 0 && errno != EEXIST) {
            temp_.clear();
            return Fail(errno);
        }
    }
    if (fd_ < 0) {
        temp_.clear();
        return Fail(EEXIST);
    }
#ifdef Q_OS_UNIX
    // A replaced file keeps its permissions.
    if (existing >= 0)
        ::fchmod(fd_, static_cast<mode_t>(existing));
#else
    Q_UNUSED(existing);
#endif
    buffer_.reserve(BlockBytes);
    return true;
}

bool CheckedFileWriter::WriteOut(const char* data, qsizetype size, Call stage) {
    while (size > 0) {
        if (full_)
            return Fail(fault_.error);
        const int call = ++calls_[int(Call::Write)];
        const int stageCall = stage == Call::Flush ? ++calls_[int(Call::Flush)] : 0;
        qsizetype chunk = size;
        if (armed_ && ((fault_.call == Call::Write && call == fault_.nth) ||
                       (fault_.call == Call::Flush && stageCall == fault_.nth))) {
            if (!fault_.shortWrite)
                return Fail(fault_.error);
            chunk = std::max<qsizetype>(1, size / 2);
            full_ = true;
        }
        const qsizetype n = WriteFd(fd_, data, chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Fail(errno);
        }
        // A regular file that takes nothing has no room left.
        if (n == 0)
            return Fail(ENOSPC);
        data += n;
        size -= n;
    }
    return true;
}

bool CheckedFileWriter::Write(const char* data, qsizetype size) {
    if (fd_ < 0 || error_ != 0)
        return false;
    if (buffer_.size() + size < BlockBytes) {
        buffer_.append(data, size);
        return true;
    }
    if (!buffer_.isEmpty()) {
        const qsizetype room = BlockBytes - buffer_.size();
        buffer_.append(data, room);
        data += room;
        size -= room;
        if (!WriteOut(buffer_.constData(), buffer_.size(), Call::Write))
            return false;
        buffer_.resize(0);
    }
    // Whole blocks go out straight from the caller's bytes.
    const qsizetype whole = size - size % BlockBytes;
    if (whole > 0 && !WriteOut(data, whole, Call::Write))
        return false;
    buffer_.append(data + whole, size - whole);
    return true;
}

bool CheckedFileWriter::Flush() {
    if (buffer_.isEmpty()) {
        // Nothing left to write out; the seam can fail the flush all the same.
        if (armed_ && fault_.call == Call::Flush && ++calls_[int(Call::Flush)] == fault_.nth)
            return Fail(fault_.error);
        return true;
    }
    if (!WriteOut(buffer_.constData(), buffer_.size(), Call::Flush))
        return false;
    buffer_.resize(0);
    return true;
}

bool CheckedFileWriter::Commit() {
    if (fd_ < 0 || error_ != 0)
        return false;
    if (!Flush())
        return false;
    const auto faulted = [this](Call call) {
        return armed_ && fault_.call == call && ++calls_[int(call)] == fault_.nth;
    };
    if (faulted(Call::Sync))
        return Fail(fault_.error);
    if (!SyncDescriptorToDisk(fd_))
        return Fail(errno);
    const int fd = std::exchange(fd_, -1);
    if (!CloseFd(fd))
        return Fail(errno);

    const QString folder = QFileInfo(target_).absolutePath();
    const bool existed = QFileInfo::exists(target_);
    QString keep;
    if (existed) {
        keep = temp_ + QStringLiteral(".old");
        if (!KeepOld(target_, keep))
            keep.clear();
    }
    const auto dropKeep = [&keep] {
        if (!keep.isEmpty())
            QFile::remove(keep);
    };
    if (faulted(Call::Rename)) {
        dropKeep();
        return Fail(fault_.error);
    }
    if (!RenameOver(temp_, target_)) {
        const int error = errno;
        dropKeep();
        return Fail(error);
    }
    temp_.clear(); // it is the target now
    int error = 0;
    if (faulted(Call::FolderSync))
        error = fault_.error;
    else if (!SyncFolderToDisk(folder))
        error = errno;
    if (error != 0) {
        // The new name may not last: what was there before goes back.
        if (!keep.isEmpty())
            RenameOver(keep, target_);
        else if (!existed)
            QFile::remove(target_);
        return Fail(error);
    }
    dropKeep();
    committed_ = true;
    return true;
}

void CheckedFileWriter::Cancel() {
    if (fd_ >= 0)
        CloseFd(std::exchange(fd_, -1));
    if (!temp_.isEmpty())
        QFile::remove(std::exchange(temp_, QString()));
    buffer_ = QByteArray();
}

RegularFileReader::~RegularFileReader() {
    Close();
}

bool RegularFileReader::Fail(int error) {
    error_ = SystemErrorText(error != 0 ? error : EIO);
    return false;
}

bool RegularFileReader::Faulted() {
    if (!armed_ || fault_.call != Call::Read || ++reads_ != fault_.nth)
        return false;
    Fail(fault_.error);
    return true;
}

void RegularFileReader::Close() {
    if (fd_ >= 0)
        CloseFd(std::exchange(fd_, -1));
}

#ifdef Q_OS_UNIX
namespace {
QString TypeText(mode_t mode) {
    if (S_ISDIR(mode))
        return QCoreApplication::translate("CheckedFile", "it is a folder, not a file");
    if (S_ISLNK(mode))
        return QCoreApplication::translate("CheckedFile",
                                           "it is a symbolic link, not a regular file");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("CheckedFile",
                                           "it is a pipe (FIFO), not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("CheckedFile", "it is a device, not a regular file");
    return QCoreApplication::translate("CheckedFile", "it is a socket, not a regular file");
}
} // namespace

QString NotARegularFile(const QString& path, RegularFileReader::Links links) {
    struct stat st {};
    const QByteArray name = Native(path);
    const int rc = links == RegularFileReader::Links::Follow ? ::stat(name.constData(), &st)
                                                             : ::lstat(name.constData(), &st);
    if (rc != 0) {
        // A link that leads nowhere is something, and not a file.
        if (errno == ENOENT && ::lstat(name.constData(), &st) == 0 && S_ISLNK(st.st_mode))
            return QCoreApplication::translate(
                "CheckedFile", "it is a symbolic link to nothing, not a regular file");
        return {};
    }
    return S_ISREG(st.st_mode) ? QString() : TypeText(st.st_mode);
}

bool RegularFileReader::Open(const QString& path, Links links) {
    Close();
    armed_ = FileFaults::Current(fault_);
    reads_ = 0;
    notAFile_ = false;
    // Without O_NONBLOCK the open of a FIFO waits for a writer.
    const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (links == Links::Refuse ? O_NOFOLLOW : 0);
    int fd;
    do
        fd = ::open(Native(path).constData(), flags);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int error = errno;
        error_ = NotARegularFile(path, links);
        notAFile_ = !error_.isEmpty();
        return notAFile_ ? false : Fail(error);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return Fail(error);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        error_ = TypeText(st.st_mode);
        notAFile_ = true;
        return false;
    }
    fd_ = fd;
    return true;
}

qint64 RegularFileReader::Read(char* data, qint64 size) {
    if (fd_ < 0)
        return -1;
    if (Faulted())
        return -1;
    for (;;) {
        const ssize_t n = ::read(fd_, data, static_cast<size_t>(size));
        if (n >= 0)
            return n;
        if (errno != EINTR) {
            Fail(errno);
            return -1;
        }
    }
}
#else
QString NotARegularFile(const QString& path, RegularFileReader::Links links) {
    const QFileInfo info(path);
    if (links == RegularFileReader::Links::Refuse && info.isSymLink())
        return QCoreApplication::translate("CheckedFile",
                                           "it is a symbolic link, not a regular file");
    if (info.isDir())
        return QCoreApplication::translate("CheckedFile", "it is a folder, not a file");
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("CheckedFile",
                                           "it is not a regular file (a pipe, device or socket)");
    return {};
}

bool RegularFileReader::Open(const QString& path, Links links) {
    Close();
    armed_ = FileFaults::Current(fault_);
    reads_ = 0;
    error_ = NotARegularFile(path, links);
    notAFile_ = !error_.isEmpty();
    if (notAFile_)
        return false;
    const int fd =
        ::_wopen(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                 _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0)
        return Fail(errno);
    struct _stat64 st {};
    if (::_fstat64(fd, &st) != 0 || (st.st_mode & _S_IFREG) == 0) {
        ::_close(fd);
        error_ = QCoreApplication::translate("CheckedFile",
                                             "it is not a regular file (a pipe, device or socket)");
        notAFile_ = true;
        return false;
    }
    fd_ = fd;
    return true;
}

qint64 RegularFileReader::Read(char* data, qint64 size) {
    if (fd_ < 0)
        return -1;
    if (Faulted())
        return -1;
    const int n = ::_read(fd_, data, static_cast<unsigned>(std::min<qint64>(size, 1 << 30)));
    if (n < 0)
        Fail(errno);
    return n;
}
#endif
