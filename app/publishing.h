// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Publishing for both programs: a publisher of every row the core records, started
// when the command line asked for one.

#include "publish/mqtt_publisher.h"

#include <functional>
#include <memory>

class RecordingSession;

// The running publisher, or nullptr when no broker was given; say gets its lines
// (see MqttPublisher::Said).
std::unique_ptr<MqttPublisher>
StartPublishing(RecordingSession& session, const PublishOptions& options,
                const std::function<void(const QString& line, const QString& brief)>& say);
