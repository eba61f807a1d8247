// One copy at a time, with real processes: a second copy says so and leaves; a
// copy killed outright does not block the next one; termination requests end
// the program through its shut-down, which stores the settings.
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

class TestSingleInstance : public QObject {
    Q_OBJECT

    QTemporaryDir runtime_;
    QTemporaryDir config_;

    QString LockPath() const { return runtime_.filePath(QStringLiteral("Brackwater.lock")); }
    QString SettingsPath() const { return config_.filePath(QStringLiteral("BRACKWATER.conf")); }

    void Start(QProcess& p) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../brackwater"), {});
    }

    static qint64 LockOwner(const QString& path) {
        QLockFile probe(path);
        qint64 pid = 0;
        QString host, app;
        return probe.getLockInfo(&pid, &host, &app) ? pid : 0;
    }

    // Started and holding the lock.
    bool Running(QProcess& p) {
        if (!p.waitForStarted(10000))
            return false;
        return QTest::qWaitFor([&] { return LockOwner(LockPath()) == p.processId(); }, 15000);
    }

private slots:
    void init() { QFile::remove(SettingsPath()); }

    void SecondCopyLeavesTheFirstAlone() {
        QProcess first;
        Start(first);
        QVERIFY(Running(first));

        QProcess second;
        Start(second);
        QVERIFY(second.waitForFinished(15000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(second.readAllStandardError().contains("BRACKWATER is Already Running"));
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(LockOwner(LockPath()), first.processId());

        // Killed outright, it leaves its lock behind; the next copy takes it over.
        first.kill();
        QVERIFY(first.waitForFinished(5000));
        QVERIFY(QFile::exists(LockPath()));
        QProcess third;
        Start(third);
        QVERIFY(Running(third));
        third.terminate();
        QVERIFY(third.waitForFinished(15000));
        QCOMPARE(third.exitCode(), 0);
    }

    void TerminationSavesSettings_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void TerminationSavesSettings() {
        QFETCH(int, signalNumber);
        QProcess p;
        Start(p);
        QVERIFY(Running(p));
        QVERIFY(!QFile::exists(SettingsPath()));
        ::kill(static_cast<pid_t>(p.processId()), signalNumber);
        QVERIFY(p.waitForFinished(15000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QSettings stored(SettingsPath(), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("MaxScale")).toInt(), 1370);
        QCOMPARE(stored.value(QStringLiteral("ShowReso")).toInt(), 1);
        // The lock went with the process.
        QVERIFY(!QFile::exists(LockPath()));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
