// Brackwater: companion program of the serial-linked thermocouple thermometer.
#include "app/command_line.h"
#include "app/help.h"
#include "app/settings_store.h"
#include "app/single_instance.h"
#include "app/termination_signals.h"
#include "app/ui/demo_history.h"
#include "app/window_set.h"
#include "meter_emulator.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <memory>

namespace {
void ShowAlreadyRunning() {
    const QString text = QStringLiteral("BRACKWATER is Already Running");
    // Without a screen nobody could close the box, and the copy would never end.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text);
    box.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    // Read before any window system object exists: --help, --version and a
    // mistyped option must work on a machine without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine cl = ParseCommandLine(arguments);
    if (cl.Help) {
        // A core application object only, to learn the program's own directory.
        QCoreApplication core(argc, argv);
        std::fputs(qPrintable(CommandLineUsage() + HelpPageNote()), stdout);
        return 0;
    }
    if (cl.Version) {
        std::fputs(qPrintable(VersionText()), stdout);
        return 0;
    }
    if (!cl.Error.isEmpty()) {
        std::fprintf(stderr, "brackwater: %s\n", qPrintable(cl.Error));
        std::fputs(qPrintable(CommandLineUsage()), stderr);
        return 2;
    }

    // The pictures are compiled into the static core library; nothing else pulls them in.
    Q_INIT_RESOURCE(brackwater);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brackwater"));
    // The desktop file's name lets a Wayland desktop match windows to the menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(BRACKWATER_APP_ID));
    // Set before the tray form is created: it shows the same icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/brackwater.svg")));
    // From here on a termination request waits in a pipe until the event loop
    // runs and then ends the program through its shut-down.
    TerminationSignals termination;
    // exit, not quit: it also ends a message box's own loop (the already-running notice).
    QObject::connect(&termination, &TerminationSignals::Received, &app,
                     [] { QCoreApplication::exit(0); });
    SingleInstance instance(QStringLiteral("Brackwater"));
    if (!instance.TryAcquire()) {
        ShowAlreadyRunning();
        return 0;
    }
    // Working windows only hide when closed; the program ends through ShutDown alone.
    QApplication::setQuitOnLastWindowClosed(false);

    AppState state;
    state.ExtraPortNames = cl.Ports;
    std::unique_ptr<MeterEmulator> demo;
    if (cl.Demo) {
        demo = std::make_unique<MeterEmulator>(cl.DemoModel);
        QString error;
        if (!demo->OpenPty(&error)) {
            QMessageBox::critical(nullptr, QCoreApplication::applicationName(),
                                  QStringLiteral("The simulated meter could not start: ") + error);
            return 1;
        }
        state.ExtraPortNames.prepend(demo->DevicePath());
    }

    WindowSet windows(state, SettingsStore::OpenPlatformStore());
    if (cl.DemoHistory > 0)
        // After the window set's own handler has set the graph up for the model found.
        QObject::connect(
            windows.frmLinkTest.get(), &TfrmLinkTest::StartRecording, windows.frmList.get(),
            [&] {
                FillDemoHistory(state, *windows.frmList, *windows.frmGraph, cl.DemoHistory,
                                demo->Temperature(0), demo->Temperature(1));
            },
            Qt::SingleShotConnection);
    termination.disconnect();
    QObject::connect(&termination, &TerminationSignals::Received, windows.frmMain.get(),
                     [&windows] { windows.frmMain->ShutDown(TfrmMain::ExitRequest::Signal); });

    app.exec();
    return 0;
}
