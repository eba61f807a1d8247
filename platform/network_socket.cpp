// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/network_socket.h"

#ifdef Q_OS_WIN
#include <winsock2.h>
#include <ws2tcpip.h>

void ShutDownSocket(int socket) {
    ::shutdown(SOCKET(socket), SD_BOTH);
}

QString ResolverErrorText(int code) {
    return QString::fromWCharArray(gai_strerrorW(code));
}
#else
#include <netdb.h>
#include <sys/socket.h>

void ShutDownSocket(int socket) {
    ::shutdown(socket, SHUT_RDWR);
}

QString ResolverErrorText(int code) {
    return QString::fromLocal8Bit(gai_strerror(code));
}
#endif
