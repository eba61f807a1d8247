// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Only one copy of the program runs per user. The lock is a file in the user's
// runtime directory (or, without a usable one, a file named for the user in the
// temporary folder), readable by the user only; a copy that crashed leaves it
// behind, and the next start sees that its owner is gone and takes it over. Where
// the lock file cannot be created at all (a folder that cannot be written), it
// goes to the user's data folder; a lock that cannot be made anywhere never
// passes for another copy: the program starts without it and says why.

#include <QCoreApplication>
#include <QLockFile>
#include <QString>
#include <memory>

class SingleInstance {
    Q_DECLARE_TR_FUNCTIONS(SingleInstance)

public:
    explicit SingleInstance(const QString& name);

    // False only when another copy holds the lock; true when this process now
    // holds it (until it ends), or when no lock could be made.
    bool TryAcquire();
    QString LockPath() const { return path_; }
    // After a start: the folder where the lock file could not be created and the
    // system's reason, and where it went instead; empty when nothing went wrong.
    QString Problem() const { return problem_; }

private:
    enum class Take { Taken, Held, Failed };
    // Tries the lock file at path; the system's reason when it cannot be created.
    Take TakeAt(const QString& path, QString& reason);

    QString name_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    QString problem_;
};
