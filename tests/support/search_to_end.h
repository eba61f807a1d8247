// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The port search and the start's reconnect run on timers: these run one to its
// end, processing events meanwhile, and say how it ended.

#include "link/port_search.h"

#include <functional>
#include <optional>

class RecordingSession;

// Calls start, then waits for the search's result; none when it did not come in time.
std::optional<PortSearch::Result> SearchToEnd(PortSearch& search,
                                              const std::function<void()>& start);
// The core's own search, from its start to its result.
std::optional<PortSearch::Result> SearchToEnd(RecordingSession& session);
// The start's reconnect, to its end: whether the heartbeat polls; none when it did not end in time.
std::optional<bool> ReconnectToEnd(RecordingSession& session);
