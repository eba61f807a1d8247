// SPDX-License-Identifier: GPL-3.0-or-later
#include "meter_emulator.h"

#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {
constexpr int ReceivedLimit = 4096;
constexpr int Dash = 10;
constexpr int Blank = 11;

struct Display {
    std::array<int, 4> digits{Blank, Blank, Blank, 0};
    bool overload = false;
    bool negative = false;
    bool noPoint = false;
};

// Four LCD positions: tenths below 1000 degrees, whole degrees above, blank leading zeros.
Display Encode(double value, double low, double high) {
    Display d;
    if (!(value >= low && value <= high)) {
        d.overload = true;
        d.digits = {Dash, Dash, Dash, Dash};
        return d;
    }
    d.negative = value < 0;
    const double magnitude = std::fabs(value);
    long n = std::lround(magnitude * 10);
    if (n > 9999) {
        n = std::lround(magnitude);
        d.noPoint = true;
    }
    if (n > 9999) {
        d.overload = true;
        d.digits = {Dash, Dash, Dash, Dash};
        return d;
    }
    d.negative = d.negative && n != 0;
    d.digits = {int(n / 1000), int(n / 100 % 10), int(n / 10 % 10), int(n % 10)};
    const int firstShown = d.noPoint ? 3 : 2;
    for (int i = 0; i < firstShown && d.digits[i] == 0; ++i)
        d.digits[i] = Blank;
    return d;
}

uint8_t Pack(int high, int low) {
    return static_cast<uint8_t>((high << 4) | (low & 15));
}
} // namespace

MeterEmulator::MeterEmulator(int model, QObject* parent) : QObject(parent) {
    SetModel(model);
    clock_.start();
    connect(&line_, &PtyDevice::Received, this, &MeterEmulator::OnBytes);
}

bool MeterEmulator::OpenPty(QString* error) {
    const bool ok = line_.OpenPty(error);
    UpdateLink();
    return ok;
}

bool MeterEmulator::OpenDevice(const QString& path, QString* error) {
    const bool ok = line_.OpenDevice(path, error);
    UpdateLink();
    return ok;
}

void MeterEmulator::SetLinkPath(const QString& path) {
    linkPath_ = path;
    UpdateLink();
}

void MeterEmulator::UpdateLink() {
    if (linkPath_.isEmpty() || !line_.IsOpen())
        return;
    QFile::remove(linkPath_);
    QFile::link(line_.Path(), linkPath_);
}

void MeterEmulator::Unplug() {
    line_.Close();
    // As the system removes a device's stable link when it is unplugged.
    if (!linkPath_.isEmpty())
        QFile::remove(linkPath_);
}

bool MeterEmulator::Replug() {
    if (line_.IsOpen())
        return true;
    return OpenPty();
}

void MeterEmulator::SetModel(int model) {
    model_ = (model >= 300 && model <= 303) ? model : 300;
    if (model_ == 300 || model_ == 301)
        typeJ_ = false;
}

void MeterEmulator::SetTypeJ(bool on) {
    typeJ_ = on && (model_ == 302 || model_ == 303);
}

void MeterEmulator::SetTemperature(int channel, double celsius) {
    temperature_[channel & 1] = celsius;
    level_[channel & 1] = celsius;
}

void MeterEmulator::OnBytes(const QByteArray& bytes) {
    for (char byte : bytes) {
        received_.append(byte);
        emit ByteReceived(byte);
        Handle(byte);
    }
    if (received_.size() > ReceivedLimit)
        received_.remove(0, received_.size() - ReceivedLimit);
}

void MeterEmulator::Handle(char byte) {
    switch (byte) {
    case 'K':
        line_.Write(QByteArray::number(model_) + '\x13');
        break;
    case 'A':
        ++polls_;
        if (silentPolls_ > 0) {
            --silentPolls_;
            break;
        }
        SendFrame();
        break;
    default:
        PressKey(byte);
        break;
    }
}

void MeterEmulator::PressKey(char key) {
    Advance();
    switch (key) {
    case 'R':
        relative_ = !relative_;
        relOffset_ = temperature_[0];
        break;
    case 'H':
        hold_ = !hold_;
        frozen_ = temperature_;
        break;
    case 'M':
        if (mma_ == 0) {
            mma_ = 7;
            max_ = min_ = sum_ = temperature_[0];
            samples_ = 1;
        } else {
            mma_ = mma_ == 7 ? 1 : mma_ == 1 ? 2 : mma_ == 2 ? 4 : 1;
        }
        break;
    case 'N':
        mma_ = 0;
        break;
    case 'T':
        if (TwoChannel())
            channelView_ = channelView_ == 2 ? 3 : channelView_ == 3 ? 0 : 2;
        else
            timerRunning_ = !timerRunning_;
        break;
    case 'C':
        celsius_ = !celsius_;
        break;
    default:
        break;
    }
}

void MeterEmulator::Advance() {
    const qint64 now = clock_.elapsed();
    const double dt = std::min<qint64>(now - lastAdvanceMs_, 60000) / 1000.0;
    lastAdvanceMs_ = now;
    if (timerRunning_)
        timerMs_ = (timerMs_ + qint64(dt * 1000)) % (100LL * 3600 * 1000);
    if (drift_ && dt > 0) {
        // Each channel wanders around its level with a slow swing and a little noise.
        for (int ch = 0; ch < 2; ++ch) {
            const double swing = 2.5 * std::sin(now / 1000.0 / (90.0 + 40 * ch));
            const double pull = (level_[ch] + swing - temperature_[ch]) * std::min(1.0, dt / 20.0);
            const double noise = (random_.generateDouble() - 0.5) * 0.3 * std::sqrt(dt);
            temperature_[ch] += pull + noise;
        }
    }
    if (mma_ != 0) {
        max_ = std::max(max_, temperature_[0]);
        min_ = std::min(min_, temperature_[0]);
        sum_ += temperature_[0];
        ++samples_;
    }
}

double MeterEmulator::Shown(double celsius) const {
    return celsius_ ? celsius : celsius * 1.8 + 32;
}

double MeterEmulator::MainReading() const {
    const auto& t = hold_ ? frozen_ : temperature_;
    double c = t[0];
    if (TwoChannel()) {
        if (channelView_ == 3)
            c = t[1];
        else if (channelView_ <= 1)
            return Shown(t[0]) - Shown(t[1]);
    }
    switch (mma_) {
    case 1:
        c = max_;
        break;
    case 2:
        c = min_;
        break;
    case 4:
        c = samples_ ? sum_ / samples_ : c;
        break;
    default:
        break;
    }
    if (relative_)
        return Shown(c) - Shown(relOffset_);
    return Shown(c);
}

double MeterEmulator::SubReading() const {
    const auto& t = hold_ ? frozen_ : temperature_;
    return Shown(channelView_ == 3 || channelView_ == 0 ? t[0] : t[1]);
}

MeterEmulator::Frame MeterEmulator::DisplayFrame() {
    Advance();
    const double low = Shown(-200.0);
    const double high = Shown(typeJ_ ? 760.0 : 1370.0);
    const double span = high - low;

    // Differences (REL, T1-T2) may go below the sensor's own range.
    const bool difference = relative_ || (TwoChannel() && channelView_ <= 1);
    const Display main = Encode(overRange_ ? high + span : MainReading(), difference ? -span : low,
                                difference ? span : high);

    Display sub;
    bool subFlag4 = false;
    if (TwoChannel()) {
        sub = Encode(overRange_ ? high + 100 : SubReading(), low, high);
        subFlag4 = sub.negative;
    } else {
        const qint64 seconds = timerMs_ / 1000;
        const bool minSec = seconds < 3600;
        const int a = minSec ? int(seconds / 60) : int(seconds / 3600);
        const int b = minSec ? int(seconds % 60) : int(seconds / 60 % 60);
        sub.digits = {a / 10, a % 10, b / 10, b % 10};
        subFlag4 = minSec;
    }

    const uint8_t status =
        static_cast<uint8_t>(mma_ | (typeJ_ << 3) | (relative_ << 4) | (hold_ << 5) |
                             (lowBattery_ << 6) | (celsius_ << 7));
    const uint8_t flags = static_cast<uint8_t>(
        main.overload | (main.negative << 1) | (main.noPoint << 2) | (sub.overload << 3) |
        (subFlag4 << 4) | (sub.noPoint << 5) | ((TwoChannel() ? channelView_ : 0) << 6));
    return {0x02,
            status,
            flags,
            Pack(main.digits[0], main.digits[1]),
            Pack(main.digits[2], main.digits[3]),
            Pack(sub.digits[0], sub.digits[1]),
            Pack(sub.digits[2], sub.digits[3]),
            0x03};
}

void MeterEmulator::SendFrame() {
    const Frame frame = DisplayFrame();
    QByteArray bytes(reinterpret_cast<const char*>(frame.data()), int(frame.size()));
    if (garbage_) {
        // Line noise between frames; never a start marker, so frames stay findable.
        const int count = 1 + int(random_.bounded(5));
        for (int i = 0; i < count; ++i) {
            char c;
            do
                c = char(random_.bounded(256));
            while (c == '\x02');
            bytes.prepend(c);
        }
    }
    if (!split_) {
        line_.Write(bytes);
        return;
    }
    const int cut = 1 + int(random_.bounded(bytes.size() - 1));
    line_.Write(bytes.left(cut));
    QTimer::singleShot(30, this, [this, rest = bytes.mid(cut)] { line_.Write(rest); });
}
