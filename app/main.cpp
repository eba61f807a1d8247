// Brackwater: companion program of the serial-linked thermocouple thermometer.
#include "app/command_line.h"
#include "app/reading_window.h"
#include "link/meter_link.h"
#include "meter_emulator.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brackwater"));

    const CommandLine cl = ParseCommandLine(QApplication::arguments());
    if (cl.Help || !cl.Error.isEmpty()) {
        if (!cl.Error.isEmpty())
            std::fprintf(stderr, "brackwater: %s\n", qPrintable(cl.Error));
        std::fputs(qPrintable(CommandLineUsage()), cl.Help ? stdout : stderr);
        return cl.Help ? 0 : 2;
    }

    QStringList extraPorts = cl.Ports;
    std::unique_ptr<MeterEmulator> demo;
    if (cl.Demo) {
        demo = std::make_unique<MeterEmulator>(cl.DemoModel);
        QString error;
        if (!demo->OpenPty(&error)) {
            QMessageBox::critical(nullptr, QStringLiteral("Brackwater"),
                                  QStringLiteral("The simulated meter could not start: ") + error);
            return 1;
        }
        extraPorts.prepend(demo->DevicePath());
    }

    CurrentReading reading;
    LinkState link;
    MeterLink meter(reading, link);
    QStringList ports;
    TSerialPort::ListPortNames(ports, extraPorts);

    // Until the model is identified by a search, the demo's model reads the second display.
    reading.ModelCode = cl.Demo ? cl.DemoModel : 303;
    if (!extraPorts.isEmpty()) {
        meter.Comm1.SetDeviceName(TSerialPort::NativeName(extraPorts.first()));
        meter.Comm1.SetOnError({});
        try {
            meter.Comm1.SetActive(true);
        } catch (const ESerialError& e) {
            std::fprintf(stderr, "brackwater: %s: %s\n", qPrintable(meter.Comm1.DeviceName()), e.what());
        }
        meter.Comm1.SetOnError([](TSerialPort*, const ESerialError&, TSerialAction& action) {
            action = TSerialAction::saAbort;
        });
    }

    ReadingWindow window(meter, reading, link);
    window.show();
    return app.exec();
}
