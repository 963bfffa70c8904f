// SPDX-License-Identifier: MIT
#pragma once
// Sockets of message endpoints reached by hand, bypassing the endpoint code, as a broken or
// hostile peer would (or a receiver played by a test). For tests that link the toolkit.

#include <QFile>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "TEndpointDirectory.h"

// The address of endpoint Handle's socket in this process's endpoint folder.
inline sockaddr_un EndpointAddress(quint32 Handle) {
    const QByteArray path =
        QFile::encodeName(TEndpointDirectory::SocketPath(TEndpointDirectory::Locate(), Handle));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(),
                std::min(size_t(path.size()), sizeof address.sun_path - 1));
    return address;
}

// A connection to endpoint Handle (Flags such as SOCK_NONBLOCK); -1 when it cannot be made.
inline int ConnectToEndpoint(quint32 Handle, int Flags = 0) {
    const sockaddr_un address = EndpointAddress(Handle);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | Flags, 0);
    if (fd < 0) return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}
