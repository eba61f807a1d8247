// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/process_group.h"

#include <QProcess>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>

void StartInOwnProcessGroup(QProcess& process) {
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
}

void KillProcessGroup(QProcess& process) {
    const qint64 pid = process.processId();
    if (pid > 0)
        ::kill(-pid_t(pid), SIGKILL);
    process.kill();
}
#else
// Without process groups only the process itself is ended.
void StartInOwnProcessGroup(QProcess&) {}

void KillProcessGroup(QProcess& process) {
    process.kill();
}
#endif
