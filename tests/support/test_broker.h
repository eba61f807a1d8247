// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A real MQTT broker for tests: mosquitto on a free local port with a config of
// the test's own, and mosquitto_sub as the subscriber that sees what arrives.
// Tests skip where mosquitto is not installed.

#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

class TestBroker {
public:
    // The broker program, or empty where mosquitto is not installed.
    static QString Program();
    static QString ClientProgram(const char* name);
    // A local TCP port nobody listens on right now.
    static int FreePort();

    TestBroker();
    ~TestBroker();

    // Starts the broker with these config lines added (a password file, TLS) and
    // waits until it takes connections. The port stays the same on a restart.
    bool Start(const QStringList& config = {});
    // Ends it as a service manager would (SIGTERM); its persistence is written.
    void Stop();
    int Port() const { return port_; }
    QString Url(const QString& userAndAt, const QString& base) const;
    QString FilePath(const QString& name) const { return dir_.filePath(name); }
    // A password file for user with password, as mosquitto_passwd makes it; the
    // test's own clients log in with them from then on.
    QString PasswordFile(const QString& user, const QString& password);
    // -h, -p and the login for mosquitto_sub and mosquitto_pub.
    QStringList ClientArgs() const;
    QString Log() const;

private:
    QTemporaryDir dir_;
    int port_;
    QStringList config_;
    QStringList login_;
    QProcess broker_;
};

// mosquitto_sub on a topic filter at QoS 1, with a session the broker keeps
// across the subscriber's and its own restarts; collects what arrives.
class TestSubscriber {
public:
    struct Message {
        QString Topic;
        QByteArray Payload;
    };

    TestSubscriber(const TestBroker& broker, const QString& filter);
    ~TestSubscriber();
    // Waits until it is subscribed, proven by a message it receives.
    bool WaitSubscribed();
    // What arrived so far, in the order it arrived.
    QList<Message> Messages();
    QList<QByteArray> Payloads(const QString& topic);

private:
    const TestBroker& broker_;
    QString filter_;
    QProcess process_;
    QByteArray pending_;
    QList<Message> messages_;
};
