// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pty_device.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {
QString SystemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

bool MakeRaw(int fd) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tio.c_cflag |= CLOCAL | CREAD;
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}
} // namespace

PtyDevice::PtyDevice(QObject* parent) : QObject(parent) {}

PtyDevice::~PtyDevice() {
    Close();
}

bool PtyDevice::OpenPty(QString* error) {
    Close();
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master < 0) {
        if (error)
            *error = SystemError("posix_openpt");
        return false;
    }
    char name[128];
    if (grantpt(master) != 0 || unlockpt(master) != 0 ||
        ptsname_r(master, name, sizeof name) != 0) {
        if (error)
            *error = SystemError("pseudo-terminal");
        ::close(master);
        return false;
    }
    // Raw from the start, so nothing is echoed back before the program configures it.
    slaveKeepAlive_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slaveKeepAlive_ >= 0)
        MakeRaw(slaveKeepAlive_);
    fd_ = master;
    path_ = QString::fromLocal8Bit(name);
    Watch();
    return true;
}

bool PtyDevice::OpenDevice(const QString& path, QString* error) {
    Close();
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0 || !MakeRaw(fd)) {
        if (error)
            *error = SystemError(qPrintable(path));
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    fd_ = fd;
    path_ = path;
    Watch();
    return true;
}

void PtyDevice::Watch() {
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PtyDevice::ReadReady);
}

void PtyDevice::Close() {
    delete notifier_;
    notifier_ = nullptr;
    if (fd_ >= 0)
        ::close(fd_);
    if (slaveKeepAlive_ >= 0)
        ::close(slaveKeepAlive_);
    fd_ = -1;
    slaveKeepAlive_ = -1;
}

bool PtyDevice::Write(const QByteArray& bytes) {
    if (fd_ < 0)
        return false;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.constData() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false; // the other end is not reading: a real line would lose them too
        done += n;
    }
    return true;
}

void PtyDevice::ReadReady() {
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n > 0) {
            emit Received(QByteArray(buffer, n));
            if (fd_ < 0)
                return; // a handler closed the line
            continue;
        }
        if (n < 0 && (errno == EINTR))
            continue;
        if (n < 0 && errno == EAGAIN)
            return;
        // End of file or a hang-up: stop watching instead of spinning on it.
        if (notifier_)
            notifier_->setEnabled(false);
        return;
    }
}
#else
// Pseudo-terminals are a POSIX facility; elsewhere the simulated meter cannot start.
PtyDevice::PtyDevice(QObject* parent) : QObject(parent) {}
PtyDevice::~PtyDevice() = default;
bool PtyDevice::OpenPty(QString* error) {
    if (error)
        *error = tr("pseudo-terminals are not available on this system");
    return false;
}
bool PtyDevice::OpenDevice(const QString&, QString* error) {
    return OpenPty(error);
}
void PtyDevice::Close() {}
bool PtyDevice::Write(const QByteArray&) {
    return false;
}
void PtyDevice::ReadReady() {}
void PtyDevice::Watch() {}
#endif
