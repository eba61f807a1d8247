// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A simulated thermometer on a serial line. It answers the identification
// request and the poll like the real meter, obeys the key bytes, lets its
// temperatures drift with noise, and can misbehave on request (over range,
// silence, garbage, split frames, a vanishing line) for tests and the demo.

#include "platform/pty_device.h"

#include <QElapsedTimer>
#include <QObject>
#include <QRandomGenerator>
#include <array>
#include <cstdint>

class MeterEmulator : public QObject {
    Q_OBJECT
public:
    using Frame = std::array<uint8_t, 8>;

    explicit MeterEmulator(int model = 303, QObject* parent = nullptr);

    // The line: a new pseudo-terminal, or a real device; LinkPath, when set, is a
    // symbolic link kept pointing at the current device across Reopen.
    bool OpenPty(QString* error = nullptr);
    bool OpenDevice(const QString& path, QString* error = nullptr);
    void SetLinkPath(const QString& path);
    QString DevicePath() const { return line_.Path(); }
    QString LinkPath() const { return linkPath_; }
    bool IsOpen() const { return line_.IsOpen(); }
    void Unplug(); // closes the meter's end (and removes the link): the device vanishes
    bool Replug(); // opens it again (a new pseudo-terminal; the link follows it)

    int Model() const { return model_; }
    void SetModel(int model);
    bool TwoChannel() const { return model_ == 301 || model_ == 303; }

    // Temperatures in degrees C. Drift makes them wander plausibly around their level.
    void SetTemperature(int channel, double celsius);
    double Temperature(int channel) const { return temperature_[channel & 1]; }
    void SetDrift(bool on) { drift_ = on; }
    void SetSeed(quint32 seed) { random_.seed(seed); }
    void SetOverRange(bool on) { overRange_ = on; }
    void SetLowBattery(bool on) { lowBattery_ = on; }
    void SetTypeJ(bool on);
    void SetSilentPolls(int polls) { silentPolls_ = polls; }
    void SetGarbage(bool on) { garbage_ = on; }
    void SetSplitFrames(bool on) { split_ = on; }

    // A key byte, as if pressed on the meter: R, H, M, N, T, C.
    void PressKey(char key);
    // The frame of what the display shows now.
    Frame DisplayFrame();

    // The last bytes received from the program, oldest first (bounded).
    QByteArray Received() const { return received_; }
    void ClearReceived() { received_.clear(); }
    quint64 PollCount() const { return polls_; }

signals:
    void ByteReceived(char byte);

private:
    void OnBytes(const QByteArray& bytes);
    void Handle(char byte);
    void SendFrame();
    void Advance();
    void UpdateLink();
    double Shown(double celsius) const;
    double MainReading() const;
    double SubReading() const;

    PtyDevice line_;
    QString linkPath_;
    int model_;
    std::array<double, 2> temperature_{23.5, 48.0};
    std::array<double, 2> level_{23.5, 48.0};
    std::array<double, 2> frozen_{};
    bool drift_ = true;
    bool overRange_ = false;
    bool lowBattery_ = false;
    bool typeJ_ = false;
    bool celsius_ = true;
    bool hold_ = false;
    bool relative_ = false;
    double relOffset_ = 0.0;
    int mma_ = 0; // 0 none, 7 recording, then 1 MAX, 2 MIN, 4 AVG
    double max_ = 0, min_ = 0, sum_ = 0;
    quint64 samples_ = 0;
    int channelView_ = 2; // main T1, second T2
    bool timerRunning_ = false;
    qint64 timerMs_ = 0;
    int silentPolls_ = 0;
    bool garbage_ = false;
    bool split_ = false;
    quint64 polls_ = 0;
    QByteArray received_;
    QElapsedTimer clock_;
    qint64 lastAdvanceMs_ = 0;
    QRandomGenerator random_{20261207};
};
