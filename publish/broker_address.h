// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where readings are published: the broker and the base topic of a --publish URL,
// mqtt://[user@]host[:port]/base/topic, or mqtts://… for TLS. A URL never carries
// the password: it would show in the process list and in the shell's history.

#include <QByteArray>
#include <QString>

struct BrokerAddress {
    static constexpr int PlainPort = 1883;
    static constexpr int TlsPort = 8883;

    bool Tls = false;
    QString User; // empty: no user name is sent
    QString Host;
    int Port = PlainPort;
    QString Base;  // readings go to Base + "/reading", the status to Base + "/status"
    QString Error; // why the URL was refused; empty when it was taken

    static BrokerAddress Parse(const QString& url);
    bool IsSet() const { return !Host.isEmpty(); }
    // host:port as a user writes it, an IPv6 address in brackets.
    QString HostPort() const;
    // The URL itself, for messages.
    QString Url() const;
    QByteArray Topic(const char* leaf) const { return (Base + QLatin1Char('/') + leaf).toUtf8(); }
};

// What the program publishes with.
struct PublishOptions {
    BrokerAddress Broker;
    QByteArray Password; // empty: none
    bool HaDiscovery = false;
};

// The environment variable that may hold the broker's password.
inline constexpr char PublishPasswordVariable[] = "BRACKWATER_MQTT_PASSWORD";

// Takes the password from the file when one is named (its first line), else from
// the environment. Returns what went wrong, naming the file and the reason, or an
// empty text. A file other users can read is used, and warning then says so.
QString LoadPublishPassword(PublishOptions& options, const QString& passwordFile,
                            QString* warning = nullptr);
