// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulated meter's past, for trying the program and measuring it with a full
// graph: rows at the listing rate and points at the graphing rate over the given
// seconds up to now, wandering towards the meter's present temperatures, as if
// recording had run all along. The live graph gets only the points it keeps; the
// log's rows are made on a worker thread and join the table when complete.

class RecordingSession;
class TfrmGraph;
class TfrmList;

void FillDemoHistory(RecordingSession& session, TfrmList& list, TfrmGraph& graph, int seconds,
                     double mainNow, double subNow);
