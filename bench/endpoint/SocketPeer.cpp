// SPDX-License-Identifier: MIT
// The far side of the plain ping-pong: a Unix-domain stream socket that answers every request
// of RequestSize bytes with ReplySize bytes, until the connection closes.
//
// bench_socket_peer PATH: listens on PATH, prints "ready", serves one connection.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cstdio>
#include <cstring>
#include <vector>

#include "PingPong.h"

namespace {

bool ReadAll(int fd, char* p, std::size_t n) {
    while (n > 0) {
        const ssize_t got = ::read(fd, p, n);
        if (got <= 0) return false;
        p += got;
        n -= std::size_t(got);
    }
    return true;
}

bool WriteAll(int fd, const char* p, std::size_t n) {
    while (n > 0) {
        const ssize_t put = ::write(fd, p, n);
        if (put <= 0) return false;
        p += put;
        n -= std::size_t(put);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_socket_peer PATH\n");
        return 2;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (std::strlen(argv[1]) >= sizeof address.sun_path) return 2;
    std::strcpy(address.sun_path, argv[1]);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ::unlink(argv[1]);
    if (listener < 0 || ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener, 1) != 0) {
        std::perror("bench_socket_peer");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    const int fd = ::accept(listener, nullptr, nullptr);
    if (fd < 0) return 1;
    std::vector<char> request(bench::RequestSize);
    const std::vector<char> reply(bench::ReplySize, 'r');
    while (ReadAll(fd, request.data(), request.size()))
        if (!WriteAll(fd, reply.data(), reply.size())) break;
    ::close(fd);
    ::close(listener);
    ::unlink(argv[1]);
    return 0;
}
