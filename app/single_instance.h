// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Only one copy of the program runs per user. The lock is a file in the user's
// runtime directory (or, without a usable one, a file named for the user in the
// temporary folder), readable by the user only; a copy that crashed leaves it
// behind, and the next start sees that its owner is gone and takes it over.

#include <QLockFile>
#include <QString>

class SingleInstance {
public:
    explicit SingleInstance(const QString& name);

    // True when this process now holds the lock (until it ends).
    bool TryAcquire();
    QString LockPath() const { return path_; }

private:
    QString path_;
    QLockFile lock_;
};
