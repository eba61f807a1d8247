// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/appending_file.h"

#include "platform/checked_file.h"
#include "platform/file_sync.h"
#include "platform/user_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#endif

namespace {
// Waiting lines are written together up to this size, each block whole or not at all.
constexpr qsizetype BlockBytes = 1 << 20;

QByteArray Native(const QString& path) {
    return QFile::encodeName(QDir::toNativeSeparators(path));
}

#ifdef Q_OS_UNIX
int OpenFile(const QByteArray& name, int flags, int mode) {
    int fd;
    do
        fd = ::open(name.constData(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

qsizetype WriteFd(int fd, const char* data, qsizetype size) {
    qsizetype n;
    do
        n = ::write(fd, data, size_t(size));
    while (n < 0 && errno == EINTR);
    return n;
}

bool CutTo(int fd, qint64 size) {
    return ::ftruncate(fd, off_t(size)) == 0;
}

qint64 SizeOf(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? qint64(st.st_size) : -1;
}

// The last byte of the file, read through a descriptor of its own (the writer's
// may be write-only); 0 when there is none or it cannot be read.
char LastByte(const QByteArray& name, qint64 size) {
    if (size <= 0)
        return 0;
    const int fd = OpenFile(name, O_RDONLY | O_NONBLOCK, 0);
    if (fd < 0)
        return 0;
    char last = 0;
    if (::pread(fd, &last, 1, off_t(size - 1)) != 1)
        last = 0;
    ::close(fd);
    return last;
}

int DuplicateFd(int fd) {
    return ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
}

void CloseFd(int fd) {
    ::close(fd);
}
#else
int OpenFile(const QByteArray& name, int flags, int mode) {
    return ::_wopen(reinterpret_cast<const wchar_t*>(QFile::decodeName(name).utf16()),
                    flags | _O_BINARY | _O_NOINHERIT, mode);
}

qsizetype WriteFd(int fd, const char* data, qsizetype size) {
    return ::_write(fd, data, static_cast<unsigned>(std::min<qsizetype>(size, 1 << 30)));
}

bool CutTo(int fd, qint64 size) {
    return ::_chsize_s(fd, size) == 0;
}

qint64 SizeOf(int fd) {
    struct _stat64 st {};
    return ::_fstat64(fd, &st) == 0 ? qint64(st.st_size) : -1;
}

char LastByte(const QByteArray& name, qint64 size) {
    if (size <= 0)
        return 0;
    const int fd = OpenFile(name, _O_RDONLY, 0);
    if (fd < 0)
        return 0;
    char last = 0;
    if (::_lseeki64(fd, size - 1, SEEK_SET) != size - 1 || ::_read(fd, &last, 1) != 1)
        last = 0;
    ::_close(fd);
    return last;
}

int DuplicateFd(int fd) {
    return ::_dup(fd);
}

void CloseFd(int fd) {
    ::_close(fd);
}
#endif
} // namespace

AppendingFile::AppendingFile(const QString& path, Mode mode, QObject* parent)
    : QObject(parent), path_(path), mode_(mode) {
    syncPool_.setMaxThreadCount(1);
    syncTimer_.setSingleShot(true);
    syncTimer_.setInterval(SyncDelayMs);
    connect(&syncTimer_, &QTimer::timeout, this, &AppendingFile::StartSync);
    retryTimer_.setInterval(RetryDelayMs);
    connect(&retryTimer_, &QTimer::timeout, this, &AppendingFile::Retry);
}

AppendingFile::~AppendingFile() {
    Close();
}

void AppendingFile::SetRetryDelay(int ms) {
    retryTimer_.setInterval(ms);
}

bool AppendingFile::Fail(int error) {
    error_ = SystemErrorText(error != 0 ? error : EIO);
    return false;
}

bool AppendingFile::Open() {
    if (fd_ >= 0)
        return true;
    notAFile_ = false;
    const QByteArray name = Native(path_);
    if (mode_ == Mode::NewOwnerOnly) {
        QString problem;
        if (!MakeOwnerOnlyFolder(QFileInfo(path_).absolutePath(), &problem)) {
            error_ = problem;
            return false;
        }
#ifdef Q_OS_UNIX
        fd_ = OpenFile(name, O_WRONLY | O_APPEND | O_CREAT | O_EXCL, OwnerOnlyFileMode);
#else
        fd_ = OpenFile(name, _O_WRONLY | _O_APPEND | _O_CREAT | _O_EXCL, _S_IREAD | _S_IWRITE);
#endif
        if (fd_ < 0)
            return Fail(errno);
        created_ = true;
        end_ = 0;
        return true;
    }
    return ExtendOpen(name);
}

bool AppendingFile::Start() {
    if (Open())
        return true;
    Stop();
    return false;
}

bool AppendingFile::ExtendOpen(const QByteArray& name) {
    // Refused before it is opened: opening a FIFO or a device has effects of its own.
    error_ = NotARegularFile(path_);
    if (!error_.isEmpty()) {
        notAFile_ = true;
        return false;
    }
    const bool existed = QFileInfo::exists(path_);
#ifdef Q_OS_UNIX
    fd_ = OpenFile(name, O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK, 0666);
#else
    fd_ = OpenFile(name, _O_WRONLY | _O_APPEND | _O_CREAT, _S_IREAD | _S_IWRITE);
#endif
    if (fd_ < 0)
        return Fail(errno);
#ifdef Q_OS_UNIX
    // Whatever took the name meanwhile: only a regular file is written to.
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        CloseFd(fd_);
        fd_ = -1;
        error_ = NotARegularFile(path_);
        notAFile_ = true;
        if (error_.isEmpty())
            error_ = tr("it is not a regular file");
        return false;
    }
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
#endif
    created_ = !existed;
    end_ = std::max<qint64>(SizeOf(fd_), 0);
    // A line an earlier writer left without its end is not continued.
    const char last = LastByte(name, end_);
    if (last == '\r')
        lineStart_ = "\n";
    else if (last != 0 && last != '\n')
        lineStart_ = "\r\n";
    return true;
}

int AppendingFile::Faulted(bool& shortWrite) {
    FileFaults::Fault fault;
    int arming = 0;
    if (!FileFaults::Current(fault, &arming) || fault.call != FileFaults::Call::Append) {
        seamFull_ = false;
        return 0;
    }
    if (arming != arming_) {
        arming_ = arming;
        appendCalls_ = 0;
        seamFull_ = false;
    }
    if (++appendCalls_ < fault.nth)
        return 0;
    // The first failing append of a short-write fault gets half its bytes out.
    shortWrite = fault.shortWrite && !seamFull_;
    seamFull_ = true;
    return fault.error;
}

bool AppendingFile::WriteWhole(const QByteArray& bytes) {
    if (cutPending_) {
        if (!CutTo(fd_, end_))
            return Fail(errno);
        cutPending_ = false;
    }
    bool shortWrite = false;
    const int fault = Faulted(shortWrite);
    if (fault != 0 && !shortWrite)
        return Fail(fault);
    qsizetype n = WriteFd(fd_, bytes.constData(), shortWrite ? bytes.size() / 2 : bytes.size());
    if (n == bytes.size()) {
        end_ += n;
        return true;
    }
    // A regular file that takes less than it was given has no room left.
    int error = n < 0 ? errno : fault != 0 ? fault : ENOSPC;
    if (n > 0 && fault == 0) {
        // A write cut short: the rest goes now, or the system says why not.
        const qsizetype more = WriteFd(fd_, bytes.constData() + n, bytes.size() - n);
        if (more == bytes.size() - n) {
            end_ += bytes.size();
            return true;
        }
        error = more < 0 ? errno : ENOSPC;
    }
    if (n > 0 && !CutTo(fd_, end_))
        cutPending_ = true; // no line is written after a torn one
    return Fail(error);
}

bool AppendingFile::Append(const QByteArray& lines, int rows) {
    appended_ += lines.size();
    if (waiting_.empty() && !stopped_) {
        if (fd_ < 0 && !Open()) {
            Wait(lines, rows);
            return false;
        }
        if (WriteWhole(lineStart_ + lines)) {
            lineStart_.clear();
            rowsWritten_ += rows;
            Written(appended_);
            return true;
        }
        Wait(lines, rows);
        return false;
    }
    Wait(lines, rows);
    // The next row retries once the retry delay has passed since the last try.
    if (lastTry_.isValid() && lastTry_.elapsed() >= retryTimer_.interval())
        return Retry();
    return false;
}

void AppendingFile::Wait(const QByteArray& lines, int rows) {
    waiting_.push_back({lines, rows, appended_});
    waitingRows_ += rows;
    if (limit_ > 0 && waitingRows_ > limit_) {
        if (dropped_ == 0)
            emit Dropping();
        while (waitingRows_ > limit_ && waiting_.size() > 1) {
            waitingRows_ -= waiting_.front().rows;
            dropped_ += waiting_.front().rows;
            waiting_.pop_front();
        }
    }
    Stop();
}

void AppendingFile::Stop() {
    if (stopped_)
        return;
    stopped_ = true;
    lastTry_.start();
    retryTimer_.start();
    emit Stopped(error_);
}

bool AppendingFile::Retry() {
    lastTry_.start();
    if (waiting_.empty() && !stopped_)
        return true;
    if (fd_ < 0 && !Open())
        return false;
    while (!waiting_.empty()) {
        // Whole waiting lines up to a block, in one write.
        QByteArray block = lineStart_;
        qsizetype count = 0;
        int rows = 0;
        for (const Lines& lines : waiting_) {
            if (count > 0 && block.size() + lines.bytes.size() > BlockBytes)
                break;
            block += lines.bytes;
            rows += lines.rows;
            ++count;
        }
        if (!WriteWhole(block))
            return false;
        lineStart_.clear();
        const qint64 end = waiting_[size_t(count - 1)].end;
        waiting_.erase(waiting_.begin(), waiting_.begin() + count);
        waitingRows_ -= rows;
        rowsWritten_ += rows;
        waitedRows_ += rows;
        Written(end);
    }
    retryTimer_.stop();
    stopped_ = false;
    const qint64 waited = std::exchange(waitedRows_, 0);
    const qint64 dropped = std::exchange(dropped_, 0);
    emit Resumed(waited, dropped);
    return true;
}

void AppendingFile::Written(qint64 end) {
    writtenThrough_ = end;
    dirty_ = true;
    if (!syncTimer_.isActive())
        syncTimer_.start();
}

void AppendingFile::StartSync() {
    if (!dirty_ || fd_ < 0)
        return;
    // One sync at a time; a slow disk delays the next one instead of queueing more.
    if (syncsRunning_ > 0) {
        syncTimer_.start();
        return;
    }
    const int fd = DuplicateFd(fd_);
    if (fd < 0) {
        SyncEnded(writtenThrough_, errno);
        return;
    }
    ++syncsRunning_;
    dirty_ = false;
    const qint64 position = writtenThrough_;
    const QString folder = created_ ? QFileInfo(path_).absolutePath() : QString();
    created_ = false;
    syncPool_.start([this, fd, position, folder] {
        int error = 0;
        if (!SyncDescriptorToDisk(fd))
            error = errno != 0 ? errno : EIO;
        CloseFd(fd);
        if (error == 0 && !folder.isEmpty() && !SyncFolderToDisk(folder))
            error = errno != 0 ? errno : EIO;
        --syncsRunning_;
        ++syncsDone_;
        QMetaObject::invokeMethod(
            this, [this, position, error] { SyncEnded(position, error); }, Qt::QueuedConnection);
    });
}

void AppendingFile::SyncEnded(qint64 position, int error) {
    if (error != 0) {
        dirty_ = true; // tried again a while later
        syncTimer_.start();
        if (!syncFailed_) {
            syncFailed_ = true;
            emit SyncFailed(SystemErrorText(error));
        }
        return;
    }
    syncFailed_ = false;
    syncedThrough_ = std::max(syncedThrough_, position);
    emit Synced(syncedThrough_);
}

bool AppendingFile::SyncNow() {
    syncTimer_.stop();
    if (!waiting_.empty() || stopped_)
        Retry();
    syncPool_.waitForDone();
    if (fd_ < 0)
        return waiting_.empty();
    int error = 0;
    if (dirty_ && !SyncDescriptorToDisk(fd_))
        error = errno != 0 ? errno : EIO;
    if (error == 0 && created_ && !SyncFolderToDisk(QFileInfo(path_).absolutePath()))
        error = errno != 0 ? errno : EIO;
    if (error == 0) {
        dirty_ = created_ = false;
    }
    SyncEnded(writtenThrough_, error);
    return error == 0 && waiting_.empty();
}

void AppendingFile::Abandon() {
    syncTimer_.stop();
    retryTimer_.stop();
    waiting_.clear();
    waitingRows_ = 0;
    stopped_ = dirty_ = created_ = false;
    syncPool_.waitForDone();
    if (fd_ >= 0)
        CloseFd(std::exchange(fd_, -1));
}

void AppendingFile::Close() {
    SyncNow();
    retryTimer_.stop();
    if (fd_ >= 0)
        CloseFd(std::exchange(fd_, -1));
}
