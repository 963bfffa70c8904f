#pragma once
// The system's text for an error number: what people read when a system service fails.

#include <QString>

#include <cerrno>

namespace SystemError {

// The text for the calling thread's last error (errno); "(GetLastErrorString failed)" when the
// system has no text for it.
QString LastErrorString();

// The text for one error number, with the same fallback.
QString ErrorString(int ErrorNumber);

}  // namespace SystemError

// Keeps errno as it is now through the clean-up calls of a failed step, which may change it.
class TErrnoKeeper {
public:
    TErrnoKeeper() : FSaved(errno) {}
    ~TErrnoKeeper() { errno = FSaved; }
    TErrnoKeeper(const TErrnoKeeper&) = delete;
    TErrnoKeeper& operator=(const TErrnoKeeper&) = delete;

private:
    int FSaved;
};
