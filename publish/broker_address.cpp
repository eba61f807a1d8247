// SPDX-License-Identifier: GPL-3.0-or-later
#include "publish/broker_address.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

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
    // A '#' starts the URL's fragment, so a wildcard there is found as one.
    if (url.hasFragment() || base.contains(QLatin1Char('+')) || base.contains(QLatin1Char('#')) ||
        base.contains(QChar(0))) {
        //: %1 is the option --publish
        address.Error = QCoreApplication::translate(
                            "BrokerAddress", "%1: a base topic has no wildcard + or # (not \"%2\")")
                            .arg(PublishOption, text);
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

QString LoadPublishPassword(PublishOptions& options, const QString& passwordFile) {
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
    return {};
}
