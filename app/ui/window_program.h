// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window program from its recording core on: the error box, the settings,
// the journal in the user's data folder, the windows with their start sequence,
// and the end on a termination signal (logout, kill) without any question.

#include "publish/broker_address.h"

#include <QStringList>
#include <functional>

class RecordingSession;
class TerminationSignals;
class WindowSet;

// Runs the event loop until the program ends, publishing the recorded rows when a
// broker is given; started is called once the windows exist, before the start sequence.
int RunWindowProgram(TerminationSignals& termination, const QStringList& ports,
                     const PublishOptions& publish = {},
                     const std::function<void(RecordingSession&, WindowSet&)>& started = {});

// The journal's folder: the program's data folder of the user (~/.local/share/Brackwater on Linux).
QString JournalFolder();
