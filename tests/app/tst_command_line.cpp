// Command-line options: repeated ports, the demo's optional model, and mistakes.
#include "app/command_line.h"

#include <QDir>
#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parses_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("ports");
        QTest::addColumn<bool>("demo");
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("error");
        QTest::newRow("nothing") << QStringList{} << QStringList{} << false << 303 << false;
        QTest::newRow("ports repeat")
            << QStringList{"--port", "/dev/pts/3", "--port=/dev/ttyUSB0"}
            << QStringList{"/dev/pts/3", "/dev/ttyUSB0"} << false << 303 << false;
        QTest::newRow("relative path made absolute")
            << QStringList{"--port", "./meter"}
            << QStringList{QDir::current().absoluteFilePath("meter")} << false << 303 << false;
        QTest::newRow("bare name kept")
            << QStringList{"--port", "ttyS1"} << QStringList{"ttyS1"} << false << 303 << false;
        QTest::newRow("demo default")
            << QStringList{"--demo"} << QStringList{} << true << 303 << false;
        QTest::newRow("demo model then port") << QStringList{"--demo", "300", "--port", "/dev/x"}
                                              << QStringList{"/dev/x"} << true << 300 << false;
        QTest::newRow("demo bad model")
            << QStringList{"--demo", "304"} << QStringList{} << true << 303 << true;
        QTest::newRow("port without device")
            << QStringList{"--port"} << QStringList{} << false << 303 << true;
        QTest::newRow("unknown option")
            << QStringList{"--fast"} << QStringList{} << false << 303 << true;
    }
    void parses() {
        QFETCH(QStringList, args);
        args.prepend(QStringLiteral("brackwater"));
        const CommandLine cl = ParseCommandLine(args);
        QFETCH(bool, error);
        QCOMPARE(!cl.Error.isEmpty(), error);
        if (error)
            return;
        QTEST(cl.Ports, "ports");
        QTEST(cl.Demo, "demo");
        QTEST(cl.DemoModel, "model");
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
