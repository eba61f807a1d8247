// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/checked_file_device.h"

CheckedFileDevice::CheckedFileDevice(const QString& target, QObject* parent)
    : QIODevice(parent), file_(target) {}

CheckedFileDevice::~CheckedFileDevice() {
    file_.Cancel();
}

bool CheckedFileDevice::open(OpenMode mode) {
    if ((mode & ReadOnly) || !(mode & WriteOnly) || !file_.Open()) {
        setErrorString(file_.Failed() ? file_.ErrorText() : tr("the file can only be written"));
        return false;
    }
    // Unbuffered here: the writer buffers the bytes itself.
    return QIODevice::open(mode | Unbuffered);
}

bool CheckedFileDevice::Commit() {
    const bool ok = file_.Commit();
    if (isOpen())
        QIODevice::close();
    if (!ok)
        setErrorString(ErrorText());
    return ok;
}

QString CheckedFileDevice::ErrorText() const {
    return file_.Failed() ? file_.ErrorText() : tr("the file was not written");
}

qint64 CheckedFileDevice::readData(char*, qint64) {
    return -1;
}

qint64 CheckedFileDevice::writeData(const char* data, qint64 size) {
    if (!file_.Write(data, size)) {
        setErrorString(file_.ErrorText());
        return -1;
    }
    return size;
}
