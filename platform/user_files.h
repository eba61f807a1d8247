#pragma once
// Files of one user in a folder every user shares (the temporary folder): a name
// of the user's own, a check that a file found under it is really the user's, and
// files created readable by their owner only.

#include <QString>

// name-<user id>: no other user's file of the same purpose has this name.
QString UserTaggedName(const QString& name);
// Nothing is at path, or a regular file (not a link) that belongs to this user.
bool OwnFileOrNone(const QString& path);

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
