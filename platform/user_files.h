// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files of one user: in a folder every user shares (the temporary folder), a name
// of the user's own and a check that a file found under it is really the user's;
// and files and folders that only their owner may read (the journal, the settings).

#include <QString>

// name-<user id>: no other user's file of the same purpose has this name.
QString UserTaggedName(const QString& name);
// Nothing is at path, or a regular file (not a link) that belongs to this user.
bool OwnFileOrNone(const QString& path);

// Readable and writable by the owner only.
constexpr int OwnerOnlyFileMode = 0600;
// Creates the folder, and any missing folder above it, open to its owner only;
// a folder of this user's that is there already is closed to others too. False
// when it cannot be made, with the reason in error.
bool MakeOwnerOnlyFolder(const QString& path, QString* error = nullptr);
// A file of this user's becomes readable and writable by its owner only.
void MakeOwnerOnly(const QString& path);

// While it lives, new files are created readable and writable by their owner only.
class OwnerOnlyFiles {
public:
    OwnerOnlyFiles();
    ~OwnerOnlyFiles();
    OwnerOnlyFiles(const OwnerOnlyFiles&) = delete;
    OwnerOnlyFiles& operator=(const OwnerOnlyFiles&) = delete;

private:
    unsigned previous_ = 0;
};
