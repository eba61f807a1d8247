// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A program started for the user (the recorder's alarm command) may start programs
// of its own, such as a shell script's; ending it at its time limit must end those too.

class QProcess;

// The process starts as the leader of a process group of its own. Call before start().
void StartInOwnProcessGroup(QProcess& process);
// Ends the process and every process of its group at once.
void KillProcessGroup(QProcess& process);
