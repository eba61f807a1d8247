// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/publishing.h"

#include "base/day_count.h"
#include "publish/reading_message.h"
#include "recording/recording_session.h"

std::unique_ptr<MqttPublisher>
StartPublishing(RecordingSession& session, const PublishOptions& options,
                const std::function<void(const QString& line, const QString& brief)>& say) {
    if (!options.Broker.IsSet())
        return nullptr;
    auto publisher = std::make_unique<MqttPublisher>(options);
    QObject::connect(publisher.get(), &MqttPublisher::Said, publisher.get(), say);
    QObject::connect(&session, &RecordingSession::RowRecorded, publisher.get(),
                     &MqttPublisher::Publish);
    MqttPublisher* p = publisher.get();
    QObject::connect(&session, &RecordingSession::AlarmChanged, p, [p](const AlarmEvent& event) {
        p->PublishAlarm(ReadingMessage::AlarmState(event));
    });
    // An alarm an earlier run left on the broker does not stand once alarms are watched again.
    const auto noAlarmYet = [p, &session] {
        if (session.Alarms().Rules().Any() && session.Alarms().Active().empty())
            p->PublishAlarm(ReadingMessage::NoAlarm(CurrentDayCount()));
    };
    noAlarmYet();
    QObject::connect(&session, &RecordingSession::AlarmRulesChanged, p, noAlarmYet);
    publisher->Start();
    return publisher;
}
