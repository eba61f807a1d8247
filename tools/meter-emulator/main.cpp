// SPDX-License-Identifier: GPL-3.0-or-later
// meter-emulator: a simulated thermometer on a pseudo-terminal (or a serial device).
#include "meter_emulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <csignal>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("meter-emulator"));
    std::signal(SIGINT, [](int) { QCoreApplication::quit(); });
    std::signal(SIGTERM, [](int) { QCoreApplication::quit(); });

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated thermometer. Prints the device path to use, then answers "
                       "like the meter until interrupted."));
    parser.addHelpOption();
    const QCommandLineOption model(QStringLiteral("model"),
                                   QStringLiteral("Model: 300, 301, 302 or 303."),
                                   QStringLiteral("MODEL"), QStringLiteral("303"));
    const QCommandLineOption device(
        QStringLiteral("device"),
        QStringLiteral("Use this serial device instead of a new pseudo-terminal."),
        QStringLiteral("PATH"));
    const QCommandLineOption link(
        QStringLiteral("link"),
        QStringLiteral("Keep a symbolic link at PATH to the current device."),
        QStringLiteral("PATH"));
    const QCommandLineOption temp1(QStringLiteral("t1"),
                                   QStringLiteral("Level of channel 1 in degrees C."),
                                   QStringLiteral("DEGREES"));
    const QCommandLineOption temp2(QStringLiteral("t2"),
                                   QStringLiteral("Level of channel 2 in degrees C."),
                                   QStringLiteral("DEGREES"));
    const QCommandLineOption steady(QStringLiteral("steady"), QStringLiteral("No drift or noise."));
    const QCommandLineOption overRange(QStringLiteral("over-range"),
                                       QStringLiteral("Show overload."));
    const QCommandLineOption lowBattery(QStringLiteral("low-battery"),
                                        QStringLiteral("Show low battery."));
    const QCommandLineOption typeJ(QStringLiteral("type-j"),
                                   QStringLiteral("Type J sensor (302, 303)."));
    const QCommandLineOption silent(
        QStringLiteral("silent"), QStringLiteral("Ignore the first N polls."), QStringLiteral("N"));
    const QCommandLineOption garbage(QStringLiteral("garbage"),
                                     QStringLiteral("Send noise between frames."));
    const QCommandLineOption split(QStringLiteral("split"),
                                   QStringLiteral("Send each frame in two writes."));
    const QCommandLineOption flap(QStringLiteral("unplug-every"),
                                  QStringLiteral("Close the line every N seconds and open it again "
                                                 "2 seconds later (use with --link)."),
                                  QStringLiteral("N"));
    parser.addOptions({model, device, link, temp1, temp2, steady, overRange, lowBattery, typeJ,
                       silent, garbage, split, flap});
    parser.process(app);

    MeterEmulator meter(parser.value(model).toInt());
    if (parser.isSet(temp1))
        meter.SetTemperature(0, parser.value(temp1).toDouble());
    if (parser.isSet(temp2))
        meter.SetTemperature(1, parser.value(temp2).toDouble());
    meter.SetDrift(!parser.isSet(steady));
    meter.SetOverRange(parser.isSet(overRange));
    meter.SetLowBattery(parser.isSet(lowBattery));
    meter.SetTypeJ(parser.isSet(typeJ));
    meter.SetSilentPolls(parser.value(silent).toInt());
    meter.SetGarbage(parser.isSet(garbage));
    meter.SetSplitFrames(parser.isSet(split));

    QString error;
    const bool opened = parser.isSet(device) ? meter.OpenDevice(parser.value(device), &error)
                                             : meter.OpenPty(&error);
    if (!opened) {
        std::fprintf(stderr, "meter-emulator: %s\n", qPrintable(error));
        return 1;
    }
    if (parser.isSet(link))
        meter.SetLinkPath(parser.value(link));
    std::printf("%s\n", qPrintable(parser.isSet(link) ? meter.LinkPath() : meter.DevicePath()));
    std::fflush(stdout);

    QTimer flapper;
    const int flapSeconds = parser.value(flap).toInt();
    if (flapSeconds > 0) {
        QObject::connect(&flapper, &QTimer::timeout, &meter, [&meter] {
            meter.Unplug();
            QTimer::singleShot(2000, &meter, [&meter] { meter.Replug(); });
        });
        flapper.start(flapSeconds * 1000);
    }
    const int rc = app.exec();
    if (parser.isSet(link))
        QFile::remove(meter.LinkPath());
    return rc;
}
