// SPDX-License-Identifier: GPL-3.0-or-later
#include "publish/broker_address.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QUrl>
#include <mosquitto.h>

namespace {
// The options' names, never translated.
const QString PublishOption = QStringLiteral("--publish");
const QString PasswordFileOption = QStringLiteral("--publish-password-file");

QString Usage(const QString& url) {
    //: %1 is the option --publish
    return QCoreApplication::translate("BrokerAddress",
                                       "%1 takes mqtt://[user@]host[:port]/base/topic or "
                                       "mqtts://[user@]host[:port]/base/topic (not \"%2\")")
        .arg(PublishOption, url);
}

// Why a base topic cannot carry readings; empty when it can.
QString TopicProblem(const QUrl& url, const QString& base, const QString& text) {
    const auto refuse = [&](const QString& why) {
        //: %1 is the option --publish, %2 why the topic is refused, %3 the URL given
        return QCoreApplication::translate("BrokerAddress", "%1: %2 (not \"%3\")")
            .arg(PublishOption, why, text);
    };
    // Escapes that decode to no UTF-8 text would silently become other characters.
    QStringDecoder strict(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString decoded =
        strict(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    if (strict.hasError())
        return refuse(QCoreApplication::translate(
            "BrokerAddress", "a base topic is UTF-8 text, and its escapes do not decode to it"));
    // The library refuses to send on a topic with a control character, NUL included.
    for (const QChar c : base)
        if (c.category() == QChar::Other_Control)
            //: %1 the character as it is escaped in a URL, such as %00
            return refuse(
                QCoreApplication::translate("BrokerAddress",
                                            "a base topic cannot hold the control character %1")
                    .arg(QStringLiteral("%%1")
                             .arg(c.unicode(), c.unicode() > 0xff ? 4 : 2, 16, QLatin1Char('0'))
                             .toUpper()));
    // A '#' starts the URL's fragment, so a wildcard there is found as one.
    if (url.hasFragment() || base.contains(QLatin1Char('+')) || base.contains(QLatin1Char('#')))
        return refuse(
            QCoreApplication::translate("BrokerAddress", "a base topic has no wildcard + or #"));
    if (base.startsWith(QLatin1Char('$')))
        return refuse(QCoreApplication::translate(
            "BrokerAddress", "a base topic cannot start with $: such topics ($SYS/…) are the "
                             "broker's own, and it drops what clients publish there"));
    // Whatever else the library would refuse on every reading, such as a topic
    // longer than 65535 bytes.
    const QByteArray topic = (base + QStringLiteral("/reading")).toUtf8();
    if (mosquitto_validate_utf8(topic.constData(), int(topic.size())) != MOSQ_ERR_SUCCESS)
        return refuse(QCoreApplication::translate(
            "BrokerAddress", "the MQTT library does not take this base topic"));
    return {};
}
} // namespace

BrokerAddress BrokerAddress::Parse(const QString& text) {
    BrokerAddress address;
    const QUrl url(text);
    const QString scheme = url.scheme();
    if (!url.isValid() || (scheme != QLatin1String("mqtt") && scheme != QLatin1String("mqtts")) ||
        url.host().isEmpty() || url.hasQuery()) {
        address.Error = Usage(text);
        return address;
    }
    if (url.userInfo().contains(QLatin1Char(':'))) {
        //: %1 is the option --publish, %2 an environment variable, %3 the option
        //: --publish-password-file
        address.Error =
            QCoreApplication::translate(
                "BrokerAddress",
                "%1: the URL holds a password, which would show in the process list; "
                "give it in %2 or in a file named by %3")
                .arg(PublishOption, QLatin1String(PublishPasswordVariable), PasswordFileOption);
        return address;
    }
    QString base = url.path(QUrl::FullyDecoded);
    while (base.startsWith(QLatin1Char('/')))
        base.remove(0, 1);
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    if (const QString problem = TopicProblem(url, base, text); !problem.isEmpty()) {
        address.Error = problem;
        return address;
    }
    if (base.isEmpty()) {
        //: %1 is the option --publish
        address.Error =
            QCoreApplication::translate("BrokerAddress", "%1: the URL names no base topic, as in "
                                                         "mqtt://host/lab/meter1 (not \"%2\")")
                .arg(PublishOption, text);
        return address;
    }
    address.Tls = scheme == QLatin1String("mqtts");
    address.Port = url.port(address.Tls ? TlsPort : PlainPort);
    if (address.Port <= 0) {
        address.Error = Usage(text);
        return address;
    }
    address.User = url.userName(QUrl::FullyDecoded);
    address.Host = url.host(QUrl::FullyDecoded);
    address.Base = base;
    return address;
}

QString BrokerAddress::HostPort() const {
    const QString host =
        Host.contains(QLatin1Char(':')) ? QLatin1Char('[') + Host + QLatin1Char(']') : Host;
    return host + QLatin1Char(':') + QString::number(Port);
}

QString BrokerAddress::Url() const {
    // Escaped as in the URL the user gave, so that it reads back as the same address.
    const auto escaped = [](const QString& text, const QByteArray& keep = {}) {
        return QString::fromLatin1(QUrl::toPercentEncoding(text, keep));
    };
    return (Tls ? QStringLiteral("mqtts://") : QStringLiteral("mqtt://")) +
           (User.isEmpty() ? QString() : escaped(User) + QLatin1Char('@')) + HostPort() +
           QLatin1Char('/') + escaped(Base, "/");
}

QString LoadPublishPassword(PublishOptions& options, const QString& passwordFile,
                            QString* warning) {
    if (passwordFile.isEmpty()) {
        // Set for other programs too, perhaps: without a user name it is not ours to send.
        if (!options.Broker.User.isEmpty())
            options.Password = qgetenv(PublishPasswordVariable);
        return {};
    }
    const auto refuse = [&](const QString& reason) {
        return QCoreApplication::translate("BrokerAddress", "cannot read the password file %1: %2")
            .arg(passwordFile, reason);
    };
    if (options.Broker.User.isEmpty())
        //: %1 is the option --publish-password-file
        return QCoreApplication::translate(
                   "BrokerAddress",
                   "%1 needs a user name in the URL, as in mqtt://user@host/lab/meter1")
            .arg(PasswordFileOption);
    // A FIFO or a device would block the start or feed it endless bytes.
    const QFileInfo info(passwordFile);
    if (info.exists() && !info.isFile())
        return refuse(QCoreApplication::translate("BrokerAddress", "it is not a regular file"));
    QFile file(passwordFile);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    QByteArray line = file.readLine(4096);
    if (file.error() != QFileDevice::NoError)
        return refuse(file.errorString());
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    if (line.isEmpty())
        return refuse(QCoreApplication::translate("BrokerAddress", "its first line is empty"));
    options.Password = line;
    // Used all the same: a service may have been set up so, and stopping it would
    // lose its recording.
    const QFileDevice::Permissions mode = QFileInfo(passwordFile).permissions();
    if (warning && (mode & (QFileDevice::ReadGroup | QFileDevice::ReadOther))) {
        const QString octal = QStringLiteral("0%1%2%3")
                                  .arg((uint(mode) >> 12) & 7)
                                  .arg((uint(mode) >> 4) & 7)
                                  .arg(uint(mode) & 7);
        //: %1 is a file, %2 its permissions in octal, such as 0644
        *warning = QCoreApplication::translate("BrokerAddress",
                                               "warning: the password file %1 can be read by "
                                               "other users (mode %2); let only its owner read it "
                                               "(chmod 600 %1)")
                       .arg(passwordFile, octal);
    }
    return {};
}
