// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_broker.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
const QStringList SearchPaths{QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                              QStringLiteral("/usr/local/sbin"), QStringLiteral("/usr/local/bin")};

sockaddr_in Loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool Accepts(int port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = Loopback(port);
    const bool ok = ::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(s);
    return ok;
}
} // namespace

QString TestBroker::Program() {
    return QStandardPaths::findExecutable(QStringLiteral("mosquitto"), SearchPaths);
}

QString TestBroker::ClientProgram(const char* name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name), SearchPaths);
}

int TestBroker::FreePort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(0);
    socklen_t size = sizeof address;
    int port = 0;
    if (::bind(s, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    ::close(s);
    return port;
}

TestBroker::TestBroker() : port_(FreePort()) {}

TestBroker::~TestBroker() {
    Stop();
}

bool TestBroker::Start(const QStringList& config) {
    if (!config.isEmpty())
        config_ = config;
    QStringList lines{QStringLiteral("listener %1 127.0.0.1").arg(port_),
                      QStringLiteral("persistence true"),
                      QStringLiteral("persistence_location %1/").arg(dir_.path())};
    if (!config_.join(QLatin1Char('\n')).contains(QLatin1String("allow_anonymous")))
        lines << QStringLiteral("allow_anonymous true");
    // Run as root, the broker would drop to a user that cannot read this folder.
    if (::geteuid() == 0)
        lines << QStringLiteral("user root");
    lines << config_;
    QFile file(dir_.filePath(QStringLiteral("broker.conf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(lines.join(QLatin1Char('\n')).toUtf8()) < 0)
        return false;
    file.close();
    broker_.setProcessChannelMode(QProcess::MergedChannels);
    broker_.setStandardOutputFile(dir_.filePath(QStringLiteral("broker.log")), QIODevice::Append);
    broker_.start(Program(), {QStringLiteral("-c"), file.fileName()});
    if (!broker_.waitForStarted(5000))
        return false;
    return QTest::qWaitFor(
               [this] { return broker_.state() != QProcess::Running || Accepts(port_); }, 10000) &&
           broker_.state() == QProcess::Running;
}

void TestBroker::Stop() {
    if (broker_.state() == QProcess::NotRunning)
        return;
    broker_.terminate();
    if (!broker_.waitForFinished(10000)) {
        broker_.kill();
        broker_.waitForFinished(5000);
    }
}

QString TestBroker::Url(const QString& userAndAt, const QString& base) const {
    return QStringLiteral("mqtt://") + userAndAt +
           QStringLiteral("127.0.0.1:%1/%2").arg(port_).arg(base);
}

QString TestBroker::PasswordFile(const QString& user, const QString& password) {
    const QString path = dir_.filePath(QStringLiteral("passwords"));
    QProcess::execute(ClientProgram("mosquitto_passwd"),
                      {QStringLiteral("-b"), QStringLiteral("-c"), path, user, password});
    login_ = {QStringLiteral("-u"), user, QStringLiteral("-P"), password};
    return path;
}

QStringList TestBroker::ClientArgs() const {
    return QStringList{QStringLiteral("-h"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                       QString::number(port_)} +
           login_;
}

QString TestBroker::Log() const {
    QFile file(dir_.filePath(QStringLiteral("broker.log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TestSubscriber::TestSubscriber(const TestBroker& broker, const QString& filter)
    : broker_(broker), filter_(filter) {
    static int sessions = 0;
    process_.start(
        TestBroker::ClientProgram("mosquitto_sub"),
        broker.ClientArgs() +
            QStringList{QStringLiteral("-t"), filter, QStringLiteral("-q"), QStringLiteral("1"),
                        QStringLiteral("-v"), QStringLiteral("-c"), QStringLiteral("-i"),
                        QStringLiteral("test-subscriber-%1-%2").arg(::getpid()).arg(++sessions)});
}

TestSubscriber::~TestSubscriber() {
    process_.terminate();
    process_.waitForFinished(5000);
}

bool TestSubscriber::WaitSubscribed() {
    QString probe = filter_;
    probe.replace(QLatin1Char('#'), QStringLiteral("probe"));
    const auto seen = [&] {
        for (const Message& m : Messages())
            if (m.Topic == probe)
                return true;
        return false;
    };
    for (int i = 0; i < 50 && !seen(); ++i) {
        QProcess::execute(TestBroker::ClientProgram("mosquitto_pub"),
                          broker_.ClientArgs() + QStringList{QStringLiteral("-t"), probe,
                                                             QStringLiteral("-m"),
                                                             QStringLiteral("probe")});
        if (QTest::qWaitFor(seen, 200))
            break;
    }
    return seen();
}

QList<TestSubscriber::Message> TestSubscriber::Messages() {
    pending_ += process_.readAllStandardOutput();
    for (qsizetype end; (end = pending_.indexOf('\n')) >= 0; pending_.remove(0, end + 1)) {
        const QByteArray line = pending_.left(end);
        const qsizetype space = line.indexOf(' ');
        // An empty payload (a retained message removed) is shown as "(null)".
        const QByteArray payload = space < 0 ? QByteArray() : line.mid(space + 1);
        messages_.append(
            {QString::fromUtf8(line.left(space)), payload == "(null)" ? QByteArray() : payload});
    }
    return messages_;
}

QList<QByteArray> TestSubscriber::Payloads(const QString& topic) {
    QList<QByteArray> payloads;
    for (const Message& m : Messages())
        if (m.Topic == topic)
            payloads.append(m.Payload);
    return payloads;
}
