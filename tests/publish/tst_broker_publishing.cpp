// SPDX-License-Identifier: GPL-3.0-or-later
// Publishing as a user runs it: the headless recorder with its simulated meter and
// --publish, a real mosquitto on a free local port, and mosquitto_sub to see what
// arrives. Every row of the file arrives once with the same values; after a broker
// restart at least once and in order; the status goes "offline" when the recorder
// is killed; failures are said once while the file keeps growing.
#include "publish/broker_address.h"
#include "recording/settings_store.h"
#include "test_broker.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>

class TestBrokerPublishing : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    // The recorder with no display and no stored settings.
    void Start(QProcess& p, const QStringList& args, const QStringList& environment = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QLatin1String(PublishPasswordVariable));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.path());
        for (const QString& setting : environment)
            env.insert(setting.section(QLatin1Char('='), 0, 0),
                       setting.section(QLatin1Char('='), 1));
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../brackwater"), args);
    }

    // A two-channel meter: both channels are compared.
    QStringList Record(const QString& file, const QString& url) {
        return {QStringLiteral("--record"),  dir_.filePath(file),
                QStringLiteral("--demo"),    QStringLiteral("301"),
                QStringLiteral("--every"),   QStringLiteral("1"),
                QStringLiteral("--publish"), url};
    }

    QList<QByteArray> Rows(const QString& file) {
        QFile f(dir_.filePath(file));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QList<QByteArray> lines = f.readAll().split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    // A broker of the test's own, a subscriber to base/#, and the recorder
    // publishing to base; false where one of them did not start.
    bool Begin(TestBroker& broker, std::unique_ptr<TestSubscriber>& subscriber, QProcess& p,
               const QString& file, const QString& base) {
        if (!broker.Start())
            return false;
        subscriber = std::make_unique<TestSubscriber>(broker, base + QStringLiteral("/#"));
        if (!subscriber->WaitSubscribed())
            return false;
        Start(p, Record(file, broker.Url({}, base)));
        return true;
    }

    static bool Ends(QProcess& p) {
        ::kill(pid_t(p.processId()), SIGTERM);
        return p.waitForFinished(15000) && p.exitStatus() == QProcess::NormalExit &&
               p.exitCode() == 0;
    }

    // The row's time as the JSON time should give it.
    static QDateTime RowTime(const QList<QByteArray>& fields) {
        static const QString dateFormat = LogDateFormatFor(QLocale::system());
        return QDateTime(QDate::fromString(QString::fromUtf8(fields.value(0)), dateFormat),
                         QTime::fromString(QString::fromUtf8(fields.value(1)), "HH:mm:ss"));
    }

    // Where a file row and a message differ; empty when they say the same.
    static QString Difference(const QByteArray& row, const QByteArray& payload) {
        const QList<QByteArray> f = row.split('\t');
        const QJsonObject m = QJsonDocument::fromJson(payload).object();
        const auto value = [](const QByteArray& text, const QJsonValue& v) {
            if (text == "OL" || text.startsWith("--"))
                return v.isNull();
            return v.isDouble() && QLocale().toDouble(QString::fromUtf8(text)) == v.toDouble();
        };
        QStringList annunciators;
        for (const QJsonValue& a : m.value("annunciators").toArray())
            annunciators << a.toString();
        const QDateTime time = QDateTime::fromString(m.value("time").toString(), Qt::ISODate);
        if (time != RowTime(f) || time.offsetFromUtc() != RowTime(f).offsetFromUtc() ||
            !value(f.value(2), m.value("t1")) || f.value(3) != m.value("t1_unit").toString() ||
            !value(f.value(4), m.value("t2")) || f.value(5) != m.value("t2_unit").toString() ||
            f.value(6) != m.value("type").toString() ||
            QString::fromUtf8(f.value(7)).simplified() != annunciators.join(' ') ||
            m.value("model").toInt() != 301)
            return QString::fromUtf8(row.trimmed() + "  vs  " + payload);
        return {};
    }

private slots:
    void initTestCase() {
        if (TestBroker::Program().isEmpty() || TestBroker::ClientProgram("mosquitto_sub").isEmpty())
            QSKIP("mosquitto is not installed (apt install mosquitto mosquitto-clients)");
    }

    // With a user whose password is in a file, as a service would run it.
    void everyRowArrivesOnce() {
        TestBroker broker;
        const QString passwords = broker.PasswordFile("meter", "s3cret");
        QVERIFY(broker.Start({QStringLiteral("allow_anonymous false"),
                              QStringLiteral("password_file ") + passwords}));
        TestSubscriber subscriber(broker, QStringLiteral("lab/m1/#"));
        QVERIFY(subscriber.WaitSubscribed());
        QFile password(dir_.filePath(QStringLiteral("password")));
        QVERIFY(password.open(QIODevice::WriteOnly) && password.write("s3cret\n") == 7);
        password.close();
        // Its group may read it: used, with a warning.
        QVERIFY(password.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));

        QProcess p;
        Start(p, Record("once.tsv", broker.Url("meter@", "lab/m1")) +
                     QStringList{QStringLiteral("--publish-password-file"), password.fileName()});
        QVERIFY(QTest::qWaitFor([&] { return Rows("once.tsv").size() >= 5; }, 30000));
        QCOMPARE(subscriber.Payloads("lab/m1/status").value(0), QByteArray("online"));
        QVERIFY(Ends(p));

        const QList<QByteArray> rows = Rows("once.tsv");
        QVERIFY(QTest::qWaitFor(
            [&] { return subscriber.Payloads("lab/m1/status").value(1) == "offline"; }, 5000));
        const QList<QByteArray> readings = subscriber.Payloads("lab/m1/reading");
        QCOMPARE(readings.size(), rows.size());
        for (int i = 0; i < rows.size(); ++i)
            QVERIFY2(Difference(rows[i], readings[i]).isEmpty(),
                     qPrintable(Difference(rows[i], readings[i])));
        const QByteArray said = p.readAllStandardError();
        QVERIFY2(said.contains(QStringLiteral("publishing to mqtt://meter@127.0.0.1:%1/lab/m1")
                                   .arg(broker.Port())
                                   .toUtf8()),
                 said.constData());
        QVERIFY2(!said.contains("not delivered"), said.constData());
        QVERIFY2(said.contains(QStringLiteral("warning: the password file %1 can be read by other "
                                              "users (mode 0640)")
                                   .arg(password.fileName())
                                   .toUtf8()),
                 said.constData());
    }

    void rowsWaitWhileTheBrokerRestarts() {
        TestBroker broker;
        std::unique_ptr<TestSubscriber> subscriber;
        QProcess p;
        QVERIFY(Begin(broker, subscriber, p, "restart.tsv", "lab/m2"));
        QVERIFY(QTest::qWaitFor([&] { return subscriber->Payloads("lab/m2/reading").size() >= 3; },
                                30000));

        broker.Stop();
        const int rowsAtStop = int(Rows("restart.tsv").size());
        QVERIFY(
            QTest::qWaitFor([&] { return Rows("restart.tsv").size() >= rowsAtStop + 4; }, 20000));
        QVERIFY(broker.Start());
        QByteArray said;
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         said += p.readAllStandardError();
                         return said.contains("is back;");
                     },
                     30000),
                 said.constData());
        QVERIFY(
            QTest::qWaitFor([&] { return Rows("restart.tsv").size() >= rowsAtStop + 8; }, 20000));
        QVERIFY(Ends(p));
        said += p.readAllStandardError();

        // Each row arrived; the first arrival of each is in the file's order.
        const QList<QByteArray> rows = Rows("restart.tsv");
        QList<QByteArray> readings;
        QVERIFY(QTest::qWaitFor(
            [&] {
                readings = subscriber->Payloads("lab/m2/reading");
                return readings.size() >= rows.size();
            },
            10000));
        int previous = -1;
        for (const QByteArray& row : rows) {
            int first = -1;
            for (int i = 0; i < readings.size() && first < 0; ++i)
                if (Difference(row, readings[i]).isEmpty())
                    first = i;
            QVERIFY2(first > previous, row.constData());
            previous = first;
        }
        QVERIFY2(said.count("lost the broker") == 1 && said.count("is back;") == 1,
                 said.constData());
    }

    void killedRecorderGoesOffline() {
        TestBroker broker;
        std::unique_ptr<TestSubscriber> subscriber;
        QProcess p;
        QVERIFY(Begin(broker, subscriber, p, "killed.tsv", "lab/m3"));
        QVERIFY(QTest::qWaitFor([&] { return !subscriber->Payloads("lab/m3/reading").isEmpty(); },
                                30000));
        p.kill();
        QVERIFY(p.waitForFinished(10000));
        QVERIFY(QTest::qWaitFor(
            [&] { return subscriber->Payloads("lab/m3/status").value(1) == "offline"; }, 10000));
        // It stays so for whoever looks later.
        TestSubscriber later(broker, QStringLiteral("lab/m3/#"));
        QVERIFY(later.WaitSubscribed());
        QCOMPARE(later.Payloads("lab/m3/status"), QList<QByteArray>{"offline"});
    }

    void failureIsSaidOnceAndRecordingGoesOn_data() {
        QTest::addColumn<bool>("broker");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("said");
        QTest::newRow("wrong password") << true << "wrong"
                                        << "at 127.0.0.1:%1 refused the connection: not authorised";
        QTest::newRow("unreachable broker")
            << false << ""
            << "cannot reach the broker at 127.0.0.1:%1: Connection refused";
    }
    void failureIsSaidOnceAndRecordingGoesOn() {
        QFETCH(bool, broker);
        QFETCH(QString, password);
        QFETCH(QString, said);
        TestBroker server;
        if (broker)
            QVERIFY(server.Start(
                {QStringLiteral("allow_anonymous false"),
                 QStringLiteral("password_file ") + server.PasswordFile("meter", "s3cret")}));
        QProcess p;
        const QString file = QTest::currentDataTag() + QStringLiteral(".tsv");
        Start(p, Record(file, server.Url("meter@", "lab/m4")),
              {QStringLiteral("BRACKWATER_MQTT_PASSWORD=") + password});
        // Attempts after 0, 1, 3 and 7 s: several failures by then.
        QVERIFY(QTest::qWaitFor([&] { return Rows(file).size() >= 9; }, 30000));
        QVERIFY(Ends(p));
        const QByteArray err = p.readAllStandardError();
        QCOMPARE(err.count(said.arg(server.Port()).toUtf8()), 1);
        // The failure, and the readings not delivered.
        QVERIFY2(err.count("brackwater: publishing") == 2, err.constData());
        QVERIFY2(err.contains("readings were not delivered"), err.constData());
        if (broker)
            QVERIFY2(server.Log().count(QLatin1String("not authorised")) >= 3,
                     qPrintable(server.Log()));
    }

    // mqtts:// checks the broker against the system's authorities, which the
    // environment may point elsewhere (SSL_CERT_FILE); an unknown one is a
    // failure said once.
    void tlsWithTheSystemsAuthorities_data() {
        QTest::addColumn<bool>("trusted");
        QTest::newRow("trusted") << true;
        QTest::newRow("unknown authority") << false;
    }
    void tlsWithTheSystemsAuthorities() {
        QFETCH(bool, trusted);
        const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
        if (openssl.isEmpty())
            QSKIP("openssl is not installed to make the test's certificates");
        TestBroker broker;
        const auto file = [&](const char* name) { return broker.FilePath(QLatin1String(name)); };
        QFile extensions(file("extensions"));
        QVERIFY(extensions.open(QIODevice::WriteOnly));
        extensions.write("subjectAltName=IP:127.0.0.1\n");
        extensions.close();
        const QStringList key{
            QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
            QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes")};
        const auto run = [&](const QStringList& args) {
            QProcess tool;
            tool.setProcessChannelMode(QProcess::MergedChannels);
            tool.start(openssl, args);
            return tool.waitForFinished(30000) && tool.exitCode() == 0;
        };
        QVERIFY(run(QStringList{"req", "-x509", "-days", "2", "-subj", "/CN=Test authority",
                                "-keyout", file("ca.key"), "-out", file("ca.crt")} +
                    key));
        QVERIFY(run(QStringList{"req", "-subj", "/CN=127.0.0.1", "-keyout", file("broker.key"),
                                "-out", file("broker.csr")} +
                    key));
        QVERIFY(run({"x509", "-req", "-days", "2", "-in", file("broker.csr"), "-CA", file("ca.crt"),
                     "-CAkey", file("ca.key"), "-CAcreateserial", "-extfile", file("extensions"),
                     "-out", file("broker.crt")}));
        const int tlsPort = TestBroker::FreePort();
        QVERIFY(broker.Start({QStringLiteral("listener %1 127.0.0.1").arg(tlsPort),
                              QStringLiteral("certfile ") + file("broker.crt"),
                              QStringLiteral("keyfile ") + file("broker.key")}));
        TestSubscriber subscriber(broker, QStringLiteral("lab/tls/#"));
        QVERIFY(subscriber.WaitSubscribed());

        QProcess p;
        const QString rows = QTest::currentDataTag() + QStringLiteral(".tsv");
        Start(p, Record(rows, QStringLiteral("mqtts://127.0.0.1:%1/lab/tls").arg(tlsPort)),
              {QStringLiteral("SSL_CERT_FILE=") +
               (trusted ? file("ca.crt") : QStringLiteral("/nonexistent"))});
        QVERIFY(QTest::qWaitFor([&] { return Rows(rows).size() >= 5; }, 30000));
        QVERIFY(Ends(p));
        const QByteArray err = p.readAllStandardError();
        // The last readings may still be on their way to the subscriber.
        if (trusted)
            QVERIFY(QTest::qWaitFor(
                [&] { return subscriber.Payloads("lab/tls/reading").size() >= Rows(rows).size(); },
                10000));
        const QList<QByteArray> readings = subscriber.Payloads("lab/tls/reading");
        if (trusted) {
            QCOMPARE(readings.size(), Rows(rows).size());
            QVERIFY2(!err.contains("TLS"), err.constData());
        } else {
            QVERIFY(readings.isEmpty());
            QCOMPARE(err.count(QStringLiteral("TLS with the broker at 127.0.0.1:%1 failed")
                                   .arg(tlsPort)
                                   .toUtf8()),
                     1);
            QVERIFY2(err.contains("certificate verify failed"), err.constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestBrokerPublishing)
#include "tst_broker_publishing.moc"
