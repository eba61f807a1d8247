// SPDX-License-Identifier: GPL-3.0-or-later
// Brackwater: companion program of the serial-linked thermocouple thermometer.
#include "app/command_line.h"
#include "app/headless_recorder.h"
#include "app/session_platform.h"
#include "app/single_instance.h"
#include "app/ui/demo_history.h"
#include "app/ui/window_program.h"
#include "app/ui/window_set.h"
#include "base/help_page.h"
#include "base/ui/message_box.h"
#include "base/ui/title_fit.h"
#include "meter_emulator.h"
#include "platform/termination_signals.h"
#include "recording/recording_session.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
// untranslated: the program's name, also in the paths of its settings and journals
const QString ProgramName = QStringLiteral("Brackwater");

// A notice before the windows exist: a box, or standard error where there is no
// screen (nobody could close the box, and the copy would never end).
void ShowNotice(MessageKind kind, const QString& text) {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return;
    }
    ShowMessage(nullptr, kind, text);
}

// The built-in simulated meter of --demo, on a pseudo-terminal whose device is put
// first in the port list; nullptr and the reason when it cannot start.
std::unique_ptr<MeterEmulator> StartDemo(const CommandLine& cl, QStringList& ports,
                                         QString& error) {
    if (!cl.Demo)
        return nullptr;
    auto demo = std::make_unique<MeterEmulator>(cl.DemoModel);
    if (!demo->OpenPty(&error))
        return nullptr;
    ports.prepend(demo->DevicePath());
    return demo;
}
} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    CommandLine cl;
    PublishOptions publish;
    QStringList ports;
    QString demoError;
    {
        // A core application object first, and no window system object: --help,
        // --version, a mistyped option and the recorder work on a machine without a
        // display, in the user's language, and --help learns the program's own
        // directory. The window program makes its own object afterwards.
        QCoreApplication core(argc, argv);
        cl = ParseCommandLine(arguments);
        if (cl.Help) {
            std::fputs(qPrintable(CommandLineUsage() + HelpPageNote()), stdout);
            return 0;
        }
        if (cl.Version) {
            std::fputs(qPrintable(VersionText()), stdout);
            return 0;
        }
        if (!cl.Error.isEmpty()) {
            std::fputs(qPrintable(CommandLineErrorText(cl.Error)), stderr);
            return 2;
        }

        // Read before anything starts: a password that cannot be read is bad input.
        publish = cl.Publish;
        if (publish.Broker.IsSet()) {
            QString warning;
            const QString problem = LoadPublishPassword(publish, cl.PublishPasswordFile, &warning);
            if (!problem.isEmpty()) {
                std::fprintf(stderr, "brackwater: %s\n", qPrintable(problem));
                return 2;
            }
            if (!warning.isEmpty())
                std::fprintf(stderr, "brackwater: %s\n", qPrintable(warning));
        }

        ports = cl.Ports;
        if (!cl.Record.isEmpty()) {
            // Recording without windows: no display, no window code, no single-instance
            // lock (two recorders may record two meters side by side).
            QCoreApplication::setApplicationName(ProgramName);
            const auto demo = StartDemo(cl, ports, demoError);
            if (cl.Demo && !demo) {
                std::fprintf(stderr, "brackwater: %s\n",
                             qPrintable(QCoreApplication::translate(
                                            "Main", "the simulated meter could not start: %1")
                                            .arg(demoError)));
                return 1;
            }
            return RunHeadlessRecorder(cl.Record, cl.Every, ports, publish, cl.Alarms, cl.OnAlarm);
        }
    }

    // The pictures are compiled into the static core library; nothing else pulls them in.
    Q_INIT_RESOURCE(brackwater);
    // The choice travels as an argument, not in the environment the help's browser inherits.
    const QByteArray platform =
        PreferredPlatform(QProcessEnvironment::systemEnvironment(), arguments).toLocal8Bit();
    QByteArray platformOption("-platform");
    std::vector<char*> appArguments(argv, argv + argc);
    if (!platform.isEmpty())
        appArguments.insert(appArguments.begin() + 1,
                            {platformOption.data(), const_cast<char*>(platform.data())});
    int appArgc = int(appArguments.size());
    appArguments.push_back(nullptr);
    QApplication app(appArgc, appArguments.data());
    QApplication::setApplicationName(ProgramName);
    // The desktop file's name lets a Wayland desktop match windows to the menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(BRACKWATER_APP_ID));
    // Set before the tray form is created: it shows the same icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/brackwater.svg")));
    // Also for the boxes shown before the windows exist.
    TitleFit::Install();
    // From here on a termination request waits in a pipe until the event loop
    // runs and then ends the program through its shut-down.
    TerminationSignals termination;
    bool terminated = false;
    // exit, not quit: it also ends a message box's own loop (the notices before the start).
    QObject::connect(&termination, &TerminationSignals::Received, &app, [&terminated] {
        terminated = true;
        QCoreApplication::exit(0);
    });
    SingleInstance instance(ProgramName);
    if (!instance.TryAcquire()) {
        ShowNotice(MessageKind::Information,
                   QCoreApplication::translate("Main", "BRACKWATER is Already Running"));
        return 0;
    }
    if (!instance.Problem().isEmpty()) {
        ShowNotice(MessageKind::Warning, instance.Problem());
        if (terminated)
            return 0;
    }
    // Working windows only hide when closed; the program ends through ShutDown alone.
    QApplication::setQuitOnLastWindowClosed(false);

    const auto demo = StartDemo(cl, ports, demoError);
    if (cl.Demo && !demo) {
        ShowMessage(nullptr, MessageKind::Error,
                    QCoreApplication::translate("Main", "The simulated meter could not start: %1")
                        .arg(demoError));
        return 1;
    }

    if (cl.DemoHistory <= 0)
        return RunWindowProgram(termination, ports, publish);
    return RunWindowProgram(
        termination, ports, publish, [&](RecordingSession& session, WindowSet& windows) {
            // Once, when the log first records: the graph is set up for the model by then.
            auto filled = std::make_shared<bool>(false);
            QObject::connect(&session, &RecordingSession::ListRunningChanged, windows.frmList.get(),
                             [&, filled](bool running) {
                                 if (!running || *filled)
                                     return;
                                 *filled = true;
                                 FillDemoHistory(session, *windows.frmList, *windows.frmGraph,
                                                 cl.DemoHistory, demo->Temperature(0),
                                                 demo->Temperature(1));
                             });
        });
}
