// SPDX-License-Identifier: MIT
#include "TProcessWaiter.h"

#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>

TProcessWaiter::TProcessWaiter(qint64 Pid) {
    // the system call itself: the C library of Debian 12 declares its wrapper without C linkage
    if (Pid > 0)
        FFd = int(::syscall(SYS_pidfd_open, pid_t(Pid), 0u));
    else
        errno = ESRCH;
}

TProcessWaiter::~TProcessWaiter() {
    if (FFd >= 0) ::close(FFd);
}

int TProcessWaiter::Wait() {
    if (FFd < 0) return 0;
    pollfd ended{FFd, POLLIN, 0};
    while (::poll(&ended, 1, -1) < 0 && errno == EINTR) {
    }
    siginfo_t info{};
    if (::waitid(idtype_t(P_PIDFD), id_t(FFd), &info, WEXITED) != 0) return 0;  // not our child
    if (info.si_code == CLD_EXITED) return info.si_status;
    return 128 + info.si_status;
}
