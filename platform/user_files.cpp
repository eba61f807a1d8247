// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/user_files.h"

#include "platform/checked_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

bool MakeOwnerOnlyFolder(const QString& path, QString* error) {
    const QString parent = QFileInfo(path).absolutePath();
    const auto fail = [&](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (!QDir().mkpath(parent))
        return fail(QCoreApplication::translate("UserFiles", "the folder %1 cannot be created")
                        .arg(QDir::toNativeSeparators(parent)));
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) == 0)
        return true;
    const int made = errno;
    struct stat st {};
    if (made != EEXIST || ::stat(name.constData(), &st) != 0)
        return fail(QCoreApplication::translate("UserFiles", "the folder %1 cannot be created: %2")
                        .arg(QDir::toNativeSeparators(path), SystemErrorText(made)));
    if (!S_ISDIR(st.st_mode))
        return fail(QCoreApplication::translate("UserFiles", "%1 is not a folder")
                        .arg(QDir::toNativeSeparators(path)));
    // Folders of earlier versions were made open to every user.
    if (st.st_uid == ::getuid() && (st.st_mode & 077) != 0)
        ::chmod(name.constData(), st.st_mode & 0700);
    return true;
}

void MakeOwnerOnly(const QString& path) {
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    if (::lstat(name.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid() &&
        (st.st_mode & 077) != 0)
        ::chmod(name.constData(), OwnerOnlyFileMode);
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

// A user's data folder there is closed to other users already.
bool MakeOwnerOnlyFolder(const QString& path, QString* error) {
    if (QDir().mkpath(path))
        return true;
    if (error)
        *error = QCoreApplication::translate("UserFiles", "the folder %1 cannot be created")
                     .arg(QDir::toNativeSeparators(path));
    return false;
}

void MakeOwnerOnly(const QString&) {}

OwnerOnlyFiles::OwnerOnlyFiles() = default;
OwnerOnlyFiles::~OwnerOnlyFiles() = default;
#endif
