#pragma once
// The system's text for an error number: what people read when a system service fails.

#include <QString>

namespace SystemError {

// The text for the calling thread's last error (errno); "(GetLastErrorString failed)" when the
// system has no text for it.
QString LastErrorString();

// The text for one error number, with the same fallback.
QString ErrorString(int ErrorNumber);

}  // namespace SystemError
