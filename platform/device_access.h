#pragma once
// What the system says about a serial device the program could not open: whether
// this user lacks the right to open it, and the group that has it.

#include <QString>

// True when the device exists but this user may not read and write it.
bool DevicePermissionDenied(const QString& device);
// The name of the group that owns the device; empty when unknown.
QString DeviceGroup(const QString& device);
