// SPDX-License-Identifier: GPL-3.0-or-later
#include "far_end.h"

#include <QTest>

FarEnd::FarEnd() {
    connect(&device, &PtyDevice::Received, this,
            [this](const QByteArray& bytes) { received += bytes; });
}

bool FarEnd::WaitReceived(int count, int timeoutMs) {
    return QTest::qWaitFor([&] { return received.size() >= count; }, timeoutMs);
}

QByteArray MeterFrame(uint8_t status, uint8_t flags, uint8_t main1, uint8_t main2, uint8_t sub1,
                      uint8_t sub2) {
    const char bytes[] = {'\x02',      char(status), char(flags), char(main1),
                          char(main2), char(sub1),   char(sub2),  '\x03'};
    return QByteArray(bytes, sizeof bytes);
}
