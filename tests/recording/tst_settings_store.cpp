// SPDX-License-Identifier: GPL-3.0-or-later
// The settings read rule, the shut-down write (readable by the user only) and
// the log date pattern.
#include "recording/recording_session.h"
#include "recording/settings_store.h"
#include "support/scratch_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {
struct Expected {
    int32_t GraphingRate, ListingRate, MaxScale, MinScale, ShowReso, LastConnectedPort, LastModel;
    bool SettingsMissing;
};
} // namespace
Q_DECLARE_METATYPE(Expected)

class TestSettingsStore : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    int files_ = 0;

    QString path_;

    // A store on a scratch file holding exactly the given text.
    std::unique_ptr<SettingsStore> StoreWith(const QByteArray& content) {
        const QString path = path_ = dir_.filePath(QStringLiteral("s%1.ini").arg(++files_));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return nullptr;
        file.close();
        return std::make_unique<SettingsStore>(
            std::make_unique<QSettings>(path, QSettings::IniFormat));
    }

    static QByteArray CompleteFile() {
        return "[General]\nGraphingRate=1\nListingRate=1\nMaxScale=300\nMinScale=0\n"
               "ShowReso=1\nLastConnectedPort=0\nLastModel=301\n";
    }

private slots:
    // Each value is read on its own: one that cannot be read takes its default and
    // is named with the file; a missing one takes its default silently; the others
    // are kept. Either way the start searches.
    void Read_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Expected>("expected");
        QTest::addColumn<QString>("named"); // what the message names; empty: no message
        const QByteArray all = "[General]\nGraphingRate=5\nListingRate=10\nMaxScale=300\n"
                               "MinScale=-50\nShowReso=0\nLastConnectedPort=2\nLastModel=301\n";
        QTest::newRow("empty store")
            << QByteArray() << Expected{0, 0, 1370, -200, 1, 0, 0, true} << "";
        QTest::newRow("all seven") << all << Expected{5, 10, 300, -50, 0, 2, 301, false} << "";
        QTest::newRow("only LastModel missing") << QByteArray(all).replace("LastModel=301\n", "")
                                                << Expected{5, 10, 300, -50, 0, 2, 0, true} << "";
        QTest::newRow("first missing, the rest kept")
            << QByteArray(all).replace("GraphingRate=5\n", "")
            << Expected{0, 10, 300, -50, 0, 2, 301, true} << "";
        QTest::newRow("text that is not a number")
            << QByteArray(all).replace("ListingRate=10", "ListingRate=fast")
            << Expected{5, 2, 300, -50, 0, 2, 301, true}
            << "ListingRate = \"fast\" (2). The other settings are kept.";
        QTest::newRow("fraction") << QByteArray(all).replace("MaxScale=300", "MaxScale=300.5")
                                  << Expected{5, 10, 1370, -50, 0, 2, 301, true}
                                  << "MaxScale = \"300.5\" (1370)";
        QTest::newRow("beyond 32 bits")
            << QByteArray(all).replace("LastConnectedPort=2", "LastConnectedPort=4294967296")
            << Expected{5, 10, 300, -50, 0, 0, 301, true}
            << "LastConnectedPort = \"4294967296\" (0)";
        QTest::newRow("two, one a list")
            << QByteArray(all)
                   .replace("ShowReso=0", "ShowReso=1, 2")
                   .replace("MinScale=-50", "MinScale=cold")
            << Expected{5, 10, 300, -200, 1, 2, 301, true}
            << "holds 2 values that could not be read, which take their defaults: MinScale = "
               "\"cold\" (-200), ShowReso = \"1, 2\" (1).";
        QTest::newRow("32-bit extremes")
            << QByteArray(all)
                   .replace("MaxScale=300", "MaxScale=2147483647")
                   .replace("MinScale=-50", "MinScale=-2147483648")
            << Expected{5, 10, 2147483647, -2147483647 - 1, 0, 2, 301, false} << "";
    }
    void Read() {
        QFETCH(QByteArray, content);
        QFETCH(Expected, expected);
        QFETCH(QString, named);
        auto store = StoreWith(content);
        QVERIFY(store);
        SettingsVars v;
        v.SettingsMissing = !expected.SettingsMissing;
        store->Read(v);
        if (named.isEmpty())
            QCOMPARE(store->ReadProblem(), QString());
        else
            QVERIFY2(store->ReadProblem().startsWith(QStringLiteral("The settings file \"%1\" ")
                                                         .arg(QDir::toNativeSeparators(path_))) &&
                         store->ReadProblem().contains(named),
                     qPrintable(store->ReadProblem()));
        QCOMPARE(v.GraphingRate, expected.GraphingRate);
        QCOMPARE(v.ListingRate, expected.ListingRate);
        QCOMPARE(v.MaxScale, expected.MaxScale);
        QCOMPARE(v.MinScale, expected.MinScale);
        QCOMPARE(v.ShowReso, expected.ShowReso);
        QCOMPARE(v.LastConnectedPort, expected.LastConnectedPort);
        QCOMPARE(v.LastModel, expected.LastModel);
        QCOMPARE(v.SettingsMissing, expected.SettingsMissing);
    }

    // The value rule on typed values, as the registry holds them, and on texts.
    void ValueRule_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("counts");
        QTest::addColumn<int>("read");
        QTest::newRow("int") << QVariant(-200) << true << -200;
        QTest::newRow("uint in range") << QVariant(2147483647u) << true << 2147483647;
        QTest::newRow("uint beyond") << QVariant(2147483648u) << false << 0;
        QTest::newRow("long long beyond") << QVariant(qlonglong(-2147483649LL)) << false << 0;
        QTest::newRow("unsigned long long that wraps")
            << QVariant(qulonglong(18446744073709551611ULL)) << false << 0;
        QTest::newRow("unsigned long long") << QVariant(qulonglong(1370)) << true << 1370;
        QTest::newRow("double") << QVariant(300.0) << false << 0;
        QTest::newRow("bool") << QVariant(true) << false << 0;
        QTest::newRow("missing") << QVariant() << false << 0;
        QTest::newRow("text with sign and spaces")
            << QVariant(QStringLiteral(" +42 ")) << true << 42;
        QTest::newRow("text with a NUL inside")
            << QVariant(QStringLiteral("30") + QChar(0) + QStringLiteral("x")) << false << 0;
        QTest::newRow("hexadecimal text") << QVariant(QStringLiteral("0x10")) << false << 0;
        QTest::newRow("empty text") << QVariant(QString()) << false << 0;
        QTest::newRow("bytes") << QVariant(QByteArray("5")) << false << 0;
    }
    void ValueRule() {
        QFETCH(QVariant, value);
        int32_t read = 0;
        QTEST(ReadStoredInt32(value, read), "counts");
        QTEST(int(read), "read");
    }

    void DeviceNameDoesNotTakePartInTheReadRule() {
        auto store = StoreWith("[General]\nLastConnectedDevice=/dev/ttyUSB1\n");
        QVERIFY(store);
        SettingsVars v;
        store->Read(v);
        QVERIFY(v.SettingsMissing);
        QCOMPARE(v.LastConnectedDevice, QStringLiteral("/dev/ttyUSB1"));
    }

    // A file that cannot be parsed is named at start and kept, byte for byte,
    // before the settings replace it.
    void DamagedFileIsNamedAndKept_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("section never closed") << QByteArray("[General\nListingRate=5\n");
        QTest::newRow("a line that is no setting") << QByteArray("no equals sign here\n");
        QTest::newRow("UTF-16") << QByteArray("\xff\xfe[\0G\0", 6);
    }
    void DamagedFileIsNamedAndKept() {
        QFETCH(QByteArray, content);
        auto store = StoreWith(content);
        QVERIFY(store);
        SettingsVars vars;
        store->Read(vars);
        QVERIFY2(store->ReadProblem().contains(QDir::toNativeSeparators(path_)) &&
                     store->ReadProblem().contains(QStringLiteral("damaged")),
                 qPrintable(store->ReadProblem()));
        vars.ListingRate = 7;
        QCOMPARE(store->Write(vars, 301, {0, 100}), QString());
        store.reset();
        QCOMPARE(FileBytes(path_ + QStringLiteral(".damaged")), content);
        SettingsStore reread(std::make_unique<QSettings>(path_, QSettings::IniFormat));
        SettingsVars again;
        reread.Read(again);
        QCOMPARE(reread.ReadProblem(), QString());
        QCOMPARE(again.ListingRate, 7);
    }

    void RoundTrip_data() {
        QTest::addColumn<double>("liveMin");
        QTest::addColumn<double>("liveMax");
        QTest::addColumn<int>("storedMin");
        QTest::addColumn<int>("storedMax");
        QTest::newRow("0 to 250.7") << 0.0 << 250.7 << 0 << 250;
        QTest::newRow("truncated toward zero") << -200.9 << 99.99 << -200 << 99;
        QTest::newRow("zoomed beyond 32 bits") << -1e12 << 1e12 << -2147483647 - 1 << 2147483647;
        QTest::newRow("not a number keeps the loaded range") << qQNaN() << qQNaN() << -40 << 120;
    }
    void RoundTrip() {
        QFETCH(double, liveMin);
        QFETCH(double, liveMax);
        QFETCH(int, storedMin);
        QFETCH(int, storedMax);
        auto store = StoreWith("[General]\nShowReso=1\n");
        QVERIFY(store);
        SettingsVars out;
        out.GraphingRate = 3;
        out.ListingRate = 60;
        out.MinScale = -40;
        out.MaxScale = 120;
        out.ShowReso = 0;
        out.LastConnectedPort = 1;
        out.LastModel = 300; // not stored: the model identified now is
        out.LastConnectedDevice = QStringLiteral("/dev/ttyS0");
        store->Write(out, 302, VerticalRange{liveMin, liveMax});

        store.reset();
        SettingsStore reread(std::make_unique<QSettings>(path_, QSettings::IniFormat));
        SettingsVars in;
        reread.Read(in);
        QVERIFY(!in.SettingsMissing);
        QCOMPARE(in.GraphingRate, 3);
        QCOMPARE(in.ListingRate, 60);
        QCOMPARE(in.MinScale, storedMin);
        QCOMPARE(in.MaxScale, storedMax);
        QCOMPARE(in.ShowReso, 0);
        QCOMPARE(in.LastConnectedPort, 1);
        QCOMPARE(in.LastModel, 302);
        QCOMPARE(in.LastConnectedDevice, QStringLiteral("/dev/ttyS0"));
    }

    // The settings name the user's devices: written readable by the user only,
    // whether the file is new or an older one was readable by everyone.
    void WrittenReadableByTheUserOnly_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("alarms");
        QTest::newRow("new file, shut-down write") << false << false;
        QTest::newRow("open file, shut-down write") << true << false;
        QTest::newRow("open file, alarm rules") << true << true;
    }
    void WrittenReadableByTheUserOnly() {
        QFETCH(bool, exists);
        QFETCH(bool, alarms);
        const QString path = dir_.filePath(QStringLiteral("private%1/settings.ini").arg(++files_));
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(CompleteFile());
            file.close();
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0644) == 0);
        }
        SettingsStore store(std::make_unique<QSettings>(path, QSettings::IniFormat));
        AlarmRules rules;
        rules.Channel[0].High = 30.0;
        const QString problem = alarms ? store.WriteAlarms(rules)
                                       : store.Write(SettingsVars{}, 301, VerticalRange{0, 100});
        QCOMPARE(problem, QString());
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0600);
    }

    // The alarm rules are kept under keys of their own and read back as they were;
    // keeping them changes none of the seven values.
    void AlarmRulesRoundTrip() {
        const QByteArray older = CompleteFile();
        auto store = StoreWith(older);
        QVERIFY(store);
        AlarmRules rules;
        rules.Channel[0].Low = -5.5;
        rules.Channel[0].High = 30;
        rules.Channel[0].DelaySeconds = 10;
        rules.Channel[0].Hysteresis = 1.5;
        rules.Channel[1].High = 250.25;
        rules.Unit = QStringLiteral("F");
        rules.NoReadingSeconds = 60;
        rules.Sound = true;
        QCOMPARE(store->WriteAlarms(rules), QString());
        store.reset();

        SettingsStore reread(std::make_unique<QSettings>(path_, QSettings::IniFormat));
        QString problem = QStringLiteral("unchanged");
        QVERIFY(reread.ReadAlarms(&problem) == rules);
        QCOMPARE(problem, QString());
        SettingsVars vars;
        reread.Read(vars);
        QVERIFY(!vars.SettingsMissing);
        QCOMPARE(vars.LastModel, 301);

        // Limits taken off again are gone from the file, not left behind.
        AlarmRules fewer;
        fewer.Channel[1].Low = 0;
        QCOMPARE(reread.WriteAlarms(fewer), QString());
        SettingsStore again(std::make_unique<QSettings>(path_, QSettings::IniFormat));
        QVERIFY(again.ReadAlarms() == fewer);
    }

    // A file from before alarms existed, or one whose alarm values were spoiled:
    // the seven values read as before, and what cannot be read is off and named.
    void AlarmRulesFromOlderAndSpoiledFiles_data() {
        QTest::addColumn<QByteArray>("alarms");
        QTest::addColumn<QString>("high"); // the main display's high limit, or empty
        QTest::addColumn<int>("noReading");
        QTest::addColumn<QString>("problem"); // part of the problem text, or empty
        QTest::newRow("older file without the keys") << QByteArray() << "" << 0 << "";
        QTest::newRow("good values")
            << QByteArray("[Alarms]\nMainHigh=30.5\nNoReadingSeconds=20\n") << "30.5" << 20 << "";
        QTest::newRow("a limit that is no number")
            << QByteArray("[Alarms]\nMainHigh=hot\nNoReadingSeconds=20\n") << "" << 20
            << "Alarms/MainHigh = \"hot\"";
        QTest::newRow("low not below high")
            << QByteArray("[Alarms]\nMainLow=40\nMainHigh=30\n") << "" << 0 << "Alarms/MainHigh";
        QTest::newRow("silence too short")
            << QByteArray("[Alarms]\nMainHigh=30\nNoReadingSeconds=2\n") << "30" << 0
            << "Alarms/NoReadingSeconds";
        QTest::newRow("a unit that is none")
            << QByteArray("[Alarms]\nMainHigh=30\nUnit=K\n") << "30" << 0 << "Alarms/Unit";
    }
    void AlarmRulesFromOlderAndSpoiledFiles() {
        QFETCH(QByteArray, alarms);
        QFETCH(QString, high);
        QFETCH(int, noReading);
        QFETCH(QString, problem);
        auto store = StoreWith(CompleteFile() + alarms);
        QVERIFY(store);
        QString said;
        const AlarmRules rules = store->ReadAlarms(&said);
        QCOMPARE(rules.Channel[0].High ? DegreesText(*rules.Channel[0].High) : QString(), high);
        QCOMPARE(rules.NoReadingSeconds, noReading);
        QVERIFY2(problem.isEmpty() ? said.isEmpty() : said.contains(problem), qPrintable(said));
        SettingsVars vars;
        store->Read(vars);
        QVERIFY(!vars.SettingsMissing);
        QCOMPARE(vars.MaxScale, 300);
    }

    void LogDateFormat_data() {
        QTest::addColumn<QString>("shortFormat");
        QTest::addColumn<QString>("logFormat");
        QTest::newRow("d/M/yy") << "d/M/yy"
                                << "d/M/yyyy";
        QTest::newRow("M/d/yy") << "M/d/yy"
                                << "M/d/yyyy";
        QTest::newRow("yy/M/d") << "yy/M/d"
                                << "yyyy/M/d";
        QTest::newRow("yy/d/M") << "yy/d/M"
                                << "yyyy/d/M";
        QTest::newRow("dots as separator") << "d.M.yy"
                                           << "d.M.yyyy";
        QTest::newRow("dashes as separator") << "yy-M-d"
                                             << "yyyy-M-d";
        QTest::newRow("two-digit day and month") << "dd/MM/yy"
                                                 << "dd/MM/yy";
        QTest::newRow("already four digits") << "M/d/yyyy"
                                             << "M/d/yyyy";
        QTest::newRow("other order") << "M/yy/d"
                                     << "M/yy/d";
        QTest::newRow("quoted text") << "d'/'M/yy"
                                     << "d'/'M/yy";
        QTest::newRow("no separator") << "yyMMdd"
                                      << "yyMMdd";
    }
    void LogDateFormat() {
        QFETCH(QString, shortFormat);
        QFETCH(QString, logFormat);
        QCOMPARE(LogDateFormatFor(shortFormat), logFormat);
    }

    void LocaleFormatsAndDates() {
        const QDate day(2026, 12, 6);
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(us.toString(day, LogDateFormatFor(us)), QStringLiteral("12/6/2026"));
        const QLocale c = QLocale::c();
        QCOMPARE(c.toString(day, LogDateFormatFor(c)), c.toString(day, QLocale::ShortFormat));
    }

    void QtPattern_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QChar>("dateSeparator");
        QTest::addColumn<QChar>("timeSeparator");
        QTest::addColumn<QString>("qtPattern");
        QTest::newRow("log time") << "hh:nn:ss" << QChar('/') << QChar(':') << "hh:mm:ss";
        QTest::newRow("dotted time") << "hh:nn:ss" << QChar('/') << QChar('.') << "hh.mm.ss";
        QTest::newRow("log date") << "d/M/yyyy" << QChar('.') << QChar(':') << "d.M.yyyy";
        QTest::newRow("quoted stays") << "'n/'d/M" << QChar('-') << QChar(':') << "'n/'d-M";
        QTest::newRow("letter separator") << "d/M" << QChar('x') << QChar(':') << "d'x'M";
    }
    void QtPattern() {
        QFETCH(QString, pattern);
        QFETCH(QChar, dateSeparator);
        QFETCH(QChar, timeSeparator);
        QFETCH(QString, qtPattern);
        QCOMPARE(QtDateTimePattern(pattern, dateSeparator, timeSeparator), qtPattern);
    }

    void LocaleTimePattern() {
        const QTime t(9, 5, 7);
        const QLocale c = QLocale::c();
        QCOMPARE(c.toString(t, QtDateTimePattern(QStringLiteral("hh:nn:ss"), c)),
                 QStringLiteral("09:05:07"));
    }

    // The file dialogs' folder: documents (or home) at first, then the folder last
    // used, across a restart; a folder since removed is not offered.
    void FileFolderAcrossARestart_data() {
        QTest::addColumn<bool>("removedSince");
        QTest::newRow("kept") << false;
        QTest::newRow("removed since") << true;
    }
    void FileFolderAcrossARestart() {
        QFETCH(bool, removedSince);
        ScratchSettings settings;
        const QString firstStart = RecordingSession(settings.Store(), {}).FileFolder();
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(firstStart, QFileInfo(documents).isDir() ? documents : QDir::homePath());

        QTemporaryDir used;
        const QString path = settings.Path();
        {
            RecordingSession run(std::make_unique<QSettings>(path, QSettings::IniFormat), {});
            QCOMPARE(run.SetFileFolder(used.path()), QString());
            QCOMPARE(run.FileFolder(), used.path());
        }
        if (removedSince)
            QVERIFY(used.remove());
        RecordingSession next(std::make_unique<QSettings>(path, QSettings::IniFormat), {});
        QCOMPARE(next.FileFolder(), removedSince ? firstStart : used.path());
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settings_store.moc"
