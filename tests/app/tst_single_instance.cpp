// SPDX-License-Identifier: GPL-3.0-or-later
// The window program as a process. One copy at a time: a second copy says so and
// leaves; a copy killed outright does not block the next one; without a usable
// runtime folder the lock is the user's own; folders that cannot take the lock
// file are said and passed over, never taken for another copy. Termination requests end the program
// through its shut-down, which stores the settings, and a first start stores a
// port only when a meter answered there.
#include "base/handler_guard.h"
#include "far_end.h"
#include "link/serial_port.h"

#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

class TestSingleInstance : public QObject {
    Q_OBJECT

    QTemporaryDir runtime_;
    QTemporaryDir config_;

    QString LockPath() const { return runtime_.filePath(QStringLiteral("Brackwater.lock")); }
    QString SettingsPath() const { return config_.filePath(QStringLiteral("BRACKWATER.conf")); }

    void Start(QProcess& p, const QString& display = {},
               const QProcessEnvironment& changes = QProcessEnvironment(),
               const QStringList& args = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (display.isEmpty()) {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        } else {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            env.insert(QStringLiteral("DISPLAY"), display);
        }
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
        for (const QString& name : changes.keys())
            env.insert(name, changes.value(name));
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../brackwater"), args);
    }

    static qint64 LockOwner(const QString& path) {
        QLockFile probe(path);
        qint64 pid = 0;
        QString host, app;
        return probe.getLockInfo(&pid, &host, &app) ? pid : 0;
    }

    // Started and holding the lock.
    bool Running(QProcess& p, const QString& lockPath = {}) {
        if (!p.waitForStarted(10000))
            return false;
        const QString path = lockPath.isEmpty() ? LockPath() : lockPath;
        return QTest::qWaitFor([&] { return LockOwner(path) == p.processId(); }, 15000);
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

    // Without a usable runtime folder the lock is a file named for the user in the
    // temporary folder, readable by the user only, so that one user's copy does not
    // keep another's out; a file under that name that belongs to another user is
    // left alone, and the lock goes to the user's data folder.
    void FallbackLockBelongsToTheUser_data() {
        QTest::addColumn<bool>("squatted");
        QTest::newRow("temporary folder") << false;
        QTest::newRow("name taken by another user") << true;
    }
    void FallbackLockBelongsToTheUser() {
        QFETCH(bool, squatted);
        QTemporaryDir tmp, data;
        // Neither the runtime folder given nor the one Qt would make instead is usable.
        const passwd* user = ::getpwuid(::geteuid());
        QVERIFY(user);
        for (const QString& blocked :
             {tmp.filePath(QStringLiteral("runtime-") + QString::fromLocal8Bit(user->pw_name)),
              tmp.filePath(QStringLiteral("not-a-folder"))}) {
            QFile file(blocked);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QString shared = tmp.filePath(QStringLiteral("Brackwater-%1.lock").arg(::getuid()));
        if (squatted) {
            if (::geteuid() != 0)
                QSKIP("only root can leave a file of another user here");
            QFile file(shared);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            QCOMPARE(::chown(QFile::encodeName(shared).constData(), 65534, 65534), 0);
        }
        QProcessEnvironment changes;
        changes.insert(QStringLiteral("TMPDIR"), tmp.path());
        changes.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                       tmp.filePath(QStringLiteral("not-a-folder")));
        changes.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        const QString lock =
            squatted ? data.filePath(QStringLiteral("Brackwater/Brackwater.lock")) : shared;

        QProcess first;
        Start(first, {}, changes);
        QVERIFY(Running(first, lock));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(lock).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
        if (squatted)
            QCOMPARE(QFileInfo(shared).size(), 0); // the other user's file is untouched

        QProcess second;
        Start(second, {}, changes);
        QVERIFY(second.waitForFinished(15000));
        QVERIFY(second.readAllStandardError().contains("BRACKWATER is Already Running"));
        first.terminate();
        QVERIFY(first.waitForFinished(15000));
        QCOMPARE(first.exitCode(), 0);
    }

    // Neither the runtime folder nor the temporary folder can take the lock file
    // (read-only, or closed to the user): that is said, with the folder and the
    // reason, the lock goes to the user's data folder and the program starts; a
    // second copy still finds the first.
    void UnwritableFoldersAreNotAnotherCopy() {
        QTemporaryDir tmp, data;
        const QString closed = tmp.filePath(QStringLiteral("closed"));
        QVERIFY(QDir().mkdir(closed));
        const QByteArray closedName = QFile::encodeName(closed);
        // Permission bits do not stop root; a read-only file system stops everyone.
        if (::geteuid() == 0) {
            if (::mount("tmpfs", closedName.constData(), "tmpfs", MS_RDONLY, "size=16k") != 0)
                QSKIP("no read-only tmpfs can be mounted here");
        } else {
            QCOMPARE(::chmod(closedName.constData(), 0500), 0);
        }
        const auto reopen = qScopeGuard([&] {
            if (::geteuid() == 0)
                ::umount2(closedName.constData(), MNT_DETACH);
            else
                ::chmod(closedName.constData(), 0700);
        });
        QFile notAFolder(tmp.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        notAFolder.close();
        QProcessEnvironment changes;
        changes.insert(QStringLiteral("TMPDIR"), closed);
        changes.insert(QStringLiteral("XDG_RUNTIME_DIR"), notAFolder.fileName());
        changes.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        const QString folder = data.filePath(QStringLiteral("Brackwater"));
        const QString lock = folder + QStringLiteral("/Brackwater.lock");

        QProcess first;
        Start(first, {}, changes);
        QVERIFY(Running(first, lock));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(folder).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0700));
        QProcess second;
        Start(second, {}, changes);
        QVERIFY(second.waitForFinished(15000));
        QVERIFY(second.readAllStandardError().contains("BRACKWATER is Already Running"));
        first.terminate();
        QVERIFY(first.waitForFinished(15000));
        QCOMPARE(first.exitCode(), 0);
        const QString said = QString::fromLocal8Bit(first.readAllStandardError());
        QVERIFY2(!said.contains(QStringLiteral("Already Running")), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("cannot be created in the folder \"%1\": %2. It was "
                                              "created in \"%3\" instead.")
                                   .arg(closed,
                                        ::geteuid() == 0 ? QStringLiteral("Read-only file system")
                                                         : QStringLiteral("Permission denied"),
                                        folder)),
                 qPrintable(said));
    }

    // A first start whose search finds no meter polls the port it falls back to; a
    // device there that sends frames but never answered the search is not stored as
    // the meter's port, nor is the model shown meanwhile: the next start searches.
    void FirstStartStoresOnlyAMeterThatAnswered() {
        FarEnd device; // frames at all times, no answer to the identification request
        QVERIFY(device.Open());
        QTimer frames;
        connect(&frames, &QTimer::timeout, this,
                [&] { device.Write(MeterFrame(0x10, 0x00, 0x12, 0x34, 0x56, 0x78)); });
        frames.start(300);
        QStringList listed;
        TSerialPort::ListPortNames(listed, {device.Path()});
        // The search drops ports it cannot open, which moves the fallback's position;
        // a test beside this one may hold a port for a few seconds.
        for (const QString& port : listed.mid(0, listed.indexOf(device.Path()))) {
            const auto opens = [&] {
                TSerialPort probe;
                return RunGuarded([&] {
                    probe.SetDeviceName(port);
                    probe.SetActive(true);
                });
            };
            if (!QTest::qWaitFor(opens, 30000))
                QSKIP(qPrintable(port + QStringLiteral(" is in use or closed to this user")));
        }
        const QStringList before = listed.mid(0, listed.indexOf(device.Path()));
        QTemporaryDir data;
        QProcessEnvironment changes;
        changes.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        changes.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("brackwater.link=true"));
        QProcess p;
        QByteArray said;
        // Another program (a test beside this one) may hold a port before the device
        // for a moment; the search then drops it and the place falls elsewhere: start again.
        const auto tookAPortBefore = [&] {
            for (const QString& port : before)
                if (said.contains('"' + TSerialPort::NativeName(port).toUtf8() + "\" failed"))
                    return true;
            return false;
        };
        for (int attempt = 0;; ++attempt) {
            // Settings without a model read as missing: a first start, falling back
            // to the device's place in the list.
            {
                QFile file(SettingsPath());
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(QStringLiteral("[General]\nGraphingRate=1\nListingRate=1\nMaxScale=300\n"
                                          "MinScale=0\nShowReso=0\nLastConnectedPort=%1\n")
                               .arg(listed.indexOf(device.Path()))
                               .toUtf8());
            }
            said.clear();
            Start(p, {}, changes, {QStringLiteral("--port"), device.Path()});
            QVERIFY(Running(p));
            const bool up = QTest::qWaitFor(
                [&] {
                    said += p.readAllStandardError();
                    return said.contains("link up: frames from") || tookAPortBefore();
                },
                20000);
            if (up && !tookAPortBefore())
                break;
            QVERIFY2(tookAPortBefore() && attempt < 3, said.constData());
            p.terminate();
            QVERIFY(p.waitForFinished(15000));
        }
        p.terminate();
        QVERIFY(p.waitForFinished(15000));
        QCOMPARE(p.exitCode(), 0);

        QSettings stored(SettingsPath(), QSettings::IniFormat);
        QVERIFY(stored.contains(QStringLiteral("LastModel"))); // written at the end
        QCOMPARE(stored.value(QStringLiteral("LastConnectedDevice")).toString(), QString());
        QCOMPARE(stored.value(QStringLiteral("LastModel")).toInt(), 0);
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

    // On a real screen the second copy's notice waits for OK; a termination request
    // (a logout) must still end it at once.
    void NoticeEndsOnTermination() {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            QSKIP("Xvfb is not installed");
        QProcess server;
        // Xvfb picks a free display itself and writes its number to standard output.
        server.start(xvfb,
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                      QStringLiteral("0"), QStringLiteral("800x600x24")});
        QVERIFY(server.waitForReadyRead(15000));
        const QString display = QLatin1Char(':') + QString::fromLatin1(server.readLine()).trimmed();

        QProcess first;
        Start(first);
        QVERIFY(Running(first));
        QProcess second;
        Start(second, display);
        QVERIFY(second.waitForStarted(10000));
        QVERIFY(!second.waitForFinished(2000)); // the notice is up, waiting for OK
        ::kill(static_cast<pid_t>(second.processId()), SIGTERM);
        QVERIFY(second.waitForFinished(5000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QVERIFY2(second.exitCode() == 0, second.readAllStandardError().constData());
        QCOMPARE(first.state(), QProcess::Running);
        first.terminate();
        QVERIFY(first.waitForFinished(15000));
        server.terminate();
        server.waitForFinished(5000);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
