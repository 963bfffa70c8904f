// SPDX-License-Identifier: MIT
#pragma once
// The system's text for an error number: what people read when a system service fails.

#include <QString>

#include <cerrno>

#include "gravilo_common_export.h"

namespace SystemError {

// The text for the calling thread's last error (errno); "(GetLastErrorString failed)" when the
// system has no text for it.
GRAVILO_COMMON_INNER_EXPORT QString LastErrorString();

// The text for one error number, with the same fallback.
GRAVILO_COMMON_INNER_EXPORT QString ErrorString(int ErrorNumber);

}  // namespace SystemError

// Keeps errno as it is now through the clean-up calls of a failed step, which may change it.
class GRAVILO_COMMON_INNER_EXPORT TErrnoKeeper {
public:
    TErrnoKeeper() : FSaved(errno) {}
    ~TErrnoKeeper() { errno = FSaved; }
    TErrnoKeeper(const TErrnoKeeper&) = delete;
    TErrnoKeeper& operator=(const TErrnoKeeper&) = delete;

private:
    int FSaved;
};
