#include "app/publishing.h"

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
    publisher->Start();
    return publisher;
}
