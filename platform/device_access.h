// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the system says about serial devices: whether this user may open one, the
// group that may, whether the list of devices may have changed, and the exclusive
// lock that keeps a second program off a device the program has open.

#include <QString>
#include <QStringList>

// True when the device exists but this user may not read and write it.
bool DevicePermissionDenied(const QString& device);
// The name of the group that owns the device; empty when unknown.
QString DeviceGroup(const QString& device);

// Changes whenever a device node appears or goes away, or one of paths does: a
// cheap look before the full list of serial ports is taken. Empty where the
// system offers no such look.
QString DeviceListMark(const QStringList& paths);

// Takes the exclusive advisory lock of the open device behind handle, without
// waiting. It holds for every path to the device and for every user, root
// included, and ends when the handle is closed. False, with EBUSY, when another
// program holds it; a device that cannot be locked at all counts as locked.
bool LockDevice(qintptr handle, int& error);
