// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the publisher needs of the system's sockets beyond its MQTT library.

#include <QString>

// Shuts the socket down both ways: a connect the network never answers ends at
// once instead of when the system gives up, minutes later.
void ShutDownSocket(int socket);
// The host name resolver's own text for one of its error codes.
QString ResolverErrorText(int code);
