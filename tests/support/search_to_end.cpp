// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_to_end.h"

#include "recording/recording_session.h"

#include <QTest>

namespace {
constexpr int EndWithinMs = 20000;
} // namespace

std::optional<PortSearch::Result> SearchToEnd(PortSearch& search,
                                              const std::function<void()>& start) {
    std::optional<PortSearch::Result> result;
    const QMetaObject::Connection c = QObject::connect(
        &search, &PortSearch::Finished, [&](const PortSearch::Result& r) { result = r; });
    start();
    // Not QSignalSpy::wait: its loop ends at once in a process whose program has ended.
    const bool ended = QTest::qWaitFor([&] { return result.has_value(); }, EndWithinMs);
    QObject::disconnect(c);
    return ended ? result : std::nullopt;
}

std::optional<PortSearch::Result> SearchToEnd(RecordingSession& session) {
    return SearchToEnd(session.Search(), [&] { session.RunSearch(); });
}

std::optional<bool> ReconnectToEnd(RecordingSession& session) {
    std::optional<bool> polling;
    const QMetaObject::Connection c =
        QObject::connect(&session, &RecordingSession::ReconnectEnded, [&](bool p) { polling = p; });
    session.Reconnect();
    const bool ended = QTest::qWaitFor([&] { return polling.has_value(); }, EndWithinMs);
    QObject::disconnect(c);
    return ended ? polling : std::nullopt;
}
