// SPDX-License-Identifier: GPL-3.0-or-later
// The --publish URL and the broker's password: what is taken, what is refused
// and why, and where the password may come from.
#include "publish/broker_address.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

class TestBrokerAddress : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString File(const char* name, const QByteArray& content) {
        QFile file(dir_.filePath(QLatin1String(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return {};
        return file.fileName();
    }

private slots:
    void parses_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("error"); // a part of the refusal; empty: taken
        QTest::addColumn<bool>("tls");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("base");
        QTest::newRow("plain") << "mqtt://broker.lab/lab/meter1"
                               << "" << false << ""
                               << "broker.lab" << 1883 << "lab/meter1";
        QTest::newRow("user and port") << "mqtt://logger@10.0.0.5:1884/kiln"
                                       << "" << false << "logger"
                                       << "10.0.0.5" << 1884 << "kiln";
        QTest::newRow("tls default port") << "mqtts://broker.lab/a/b/c"
                                          << "" << true << ""
                                          << "broker.lab" << 8883 << "a/b/c";
        QTest::newRow("ipv6") << "mqtt://[::1]:2000/x"
                              << "" << false << ""
                              << "::1" << 2000 << "x";
        QTest::newRow("escaped user") << "mqtt://lab%40site@h/x"
                                      << "" << false << "lab@site"
                                      << "h" << 1883 << "x";
        QTest::newRow("escaped topic") << "mqtt://h/lab/kiln%202%3F"
                                       << "" << false << ""
                                       << "h" << 1883 << "lab/kiln 2?";
        QTest::newRow("slashes trimmed") << "mqtt://h//lab/m1/"
                                         << "" << false << ""
                                         << "h" << 1883 << "lab/m1";
        QTest::newRow("password") << "mqtt://logger:secret@h/x"
                                  << "holds a password" << false << ""
                                  << "" << 0 << "";
        QTest::newRow("empty password") << "mqtt://logger:@h/x"
                                        << "holds a password" << false << ""
                                        << "" << 0 << "";
        QTest::newRow("no base") << "mqtt://h"
                                 << "names no base topic" << false << ""
                                 << "" << 0 << "";
        QTest::newRow("only a slash") << "mqtt://h/"
                                      << "names no base topic" << false << ""
                                      << "" << 0 << "";
        QTest::newRow("plus") << "mqtt://h/lab/+/t"
                              << "no wildcard" << false << ""
                              << "" << 0 << "";
        QTest::newRow("hash") << "mqtt://h/lab/#"
                              << "no wildcard" << false << ""
                              << "" << 0 << "";
        QTest::newRow("escaped NUL") << "mqtt://h/a%00b"
                                     << "cannot hold the control character %00" << false << ""
                                     << "" << 0 << "";
        QTest::newRow("escaped line feed") << "mqtt://h/a%0Ab"
                                           << "cannot hold the control character %0A" << false << ""
                                           << "" << 0 << "";
        QTest::newRow("escapes that are no UTF-8") << "mqtt://h/a%FFb"
                                                   << "its escapes do not decode" << false << ""
                                                   << "" << 0 << "";
        QTest::newRow("escaped UTF-8") << "mqtt://h/k%C3%BCche"
                                       << "" << false << ""
                                       << "h" << 1883 << "k\u00fcche";
        QTest::newRow("the broker's own topics") << "mqtt://h/$SYS/lab"
                                                 << "cannot start with $" << false << ""
                                                 << "" << 0 << "";
        QTest::newRow("an escaped $") << "mqtt://h//%24lab"
                                      << "cannot start with $" << false << ""
                                      << "" << 0 << "";
        QTest::newRow("$ further on") << "mqtt://h/lab/$x"
                                      << "" << false << ""
                                      << "h" << 1883 << "lab/$x";
        QTest::newRow("longer than a topic may be")
            << "mqtt://h/" + QString(65536, QLatin1Char('a')) << "does not take this base topic"
            << false << ""
            << "" << 0 << "";
        QTest::newRow("other scheme") << "http://h/x"
                                      << "--publish takes mqtt://" << false << ""
                                      << "" << 0 << "";
        QTest::newRow("no scheme") << "h/x"
                                   << "--publish takes mqtt://" << false << ""
                                   << "" << 0 << "";
        QTest::newRow("no host") << "mqtt:///x"
                                 << "--publish takes mqtt://" << false << ""
                                 << "" << 0 << "";
        QTest::newRow("bad port") << "mqtt://h:99999/x"
                                  << "--publish takes mqtt://" << false << ""
                                  << "" << 0 << "";
        QTest::newRow("port 0") << "mqtt://h:0/x"
                                << "--publish takes mqtt://" << false << ""
                                << "" << 0 << "";
        QTest::newRow("query") << "mqtt://h/x?qos=2"
                               << "--publish takes mqtt://" << false << ""
                               << "" << 0 << "";
    }
    void parses() {
        QFETCH(QString, url);
        QFETCH(QString, error);
        const BrokerAddress a = BrokerAddress::Parse(url);
        QVERIFY2(error.isEmpty() ? a.Error.isEmpty() : a.Error.contains(error),
                 qPrintable(a.Error));
        QCOMPARE(a.IsSet(), error.isEmpty());
        if (!error.isEmpty())
            return;
        QTEST(a.Tls, "tls");
        QTEST(a.User, "user");
        QTEST(a.Host, "host");
        QTEST(a.Port, "port");
        QTEST(a.Base, "base");
        // What messages show reads back as the same address.
        const BrokerAddress again = BrokerAddress::Parse(a.Url());
        QCOMPARE(again.HostPort(), a.HostPort());
        QCOMPARE(again.Base, a.Base);
        QCOMPARE(again.User, a.User);
    }

    void passwordComesFromFileOrEnvironment_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("environment");
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<QString>("error");
        const QString good = File("good", "s3cret word\r\nsecond line\n");
        QTest::newRow("environment") << "mqtt://u@h/x" << QString() << QByteArray("from env")
                                     << QByteArray("from env") << "";
        QTest::newRow("environment without a user is not ours")
            << "mqtt://h/x" << QString() << QByteArray("from env") << QByteArray() << "";
        QTest::newRow("file: first line, its end taken off")
            << "mqtt://u@h/x" << good << QByteArray() << QByteArray("s3cret word") << "";
        QTest::newRow("file before environment")
            << "mqtt://u@h/x" << good << QByteArray("from env") << QByteArray("s3cret word") << "";
        QTest::newRow("missing file")
            << "mqtt://u@h/x" << dir_.filePath("none") << QByteArray() << QByteArray()
            << "cannot read the password file " + dir_.filePath("none") +
                   ": No such file or directory";
        QTest::newRow("empty file") << "mqtt://u@h/x" << File("empty", "\n") << QByteArray()
                                    << QByteArray() << "its first line is empty";
        QTest::newRow("a folder") << "mqtt://u@h/x" << dir_.path() << QByteArray() << QByteArray()
                                  << "it is not a regular file";
        QTest::newRow("file without a user")
            << "mqtt://h/x" << good << QByteArray() << QByteArray() << "needs a user name";
    }
    void passwordComesFromFileOrEnvironment() {
        QFETCH(QString, url);
        QFETCH(QString, file);
        QFETCH(QByteArray, environment);
        QFETCH(QString, error);
        if (environment.isEmpty())
            qunsetenv(PublishPasswordVariable);
        else
            qputenv(PublishPasswordVariable, environment);
        PublishOptions options;
        options.Broker = BrokerAddress::Parse(url);
        const QString problem = LoadPublishPassword(options, file);
        QVERIFY2(error.isEmpty() ? problem.isEmpty() : problem.contains(error),
                 qPrintable(problem));
        QTEST(options.Password, "password");
        qunsetenv(PublishPasswordVariable);
    }

    // A file others can read is used, with a warning that names it and its mode.
    void passwordFileOthersCanReadIsWarnedOf_data() {
        QTest::addColumn<int>("permissions");
        QTest::addColumn<QString>("mode"); // empty: no warning
        QTest::newRow("owner only") << int(QFile::ReadOwner | QFile::WriteOwner) << "";
        QTest::newRow("group") << int(QFile::ReadOwner | QFile::ReadGroup) << "0440";
        QTest::newRow("everyone") << int(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                         QFile::ReadOther)
                                  << "0644";
    }
    void passwordFileOthersCanReadIsWarnedOf() {
        QFETCH(int, permissions);
        QFETCH(QString, mode);
        const QString path = File("shared", "pw\n");
        QVERIFY(QFile::setPermissions(path, QFile::Permissions(permissions)));
        PublishOptions options;
        options.Broker = BrokerAddress::Parse(QStringLiteral("mqtt://u@h/x"));
        QString warning;
        QCOMPARE(LoadPublishPassword(options, path, &warning), QString());
        QCOMPARE(options.Password, QByteArray("pw"));
        QCOMPARE(warning, mode.isEmpty() ? QString()
                                         : QStringLiteral("warning: the password file %1 can be "
                                                          "read by other users (mode %2); let only "
                                                          "its owner read it (chmod 600 %1)")
                                               .arg(path, mode));
        QFile::remove(path);
    }

    // A named pipe would hold the start forever if it were opened.
    void pipeIsNotOpened() {
        const QString fifo = dir_.filePath(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
        PublishOptions options;
        options.Broker = BrokerAddress::Parse(QStringLiteral("mqtt://u@h/x"));
        QVERIFY(LoadPublishPassword(options, fifo).contains(QLatin1String("not a regular file")));
    }
};

QTEST_GUILESS_MAIN(TestBrokerAddress)
#include "tst_broker_address.moc"
