// SPDX-License-Identifier: MIT
#include "SystemError.h"

#include <cerrno>
#include <cstring>

namespace SystemError {

QString ErrorString(int ErrorNumber) {
    char buffer[256] = {};
    // the GNU strerror_r returns its text, which need not be in the buffer
    const char* text = strerror_r(ErrorNumber, buffer, sizeof buffer);
    if (text == nullptr || *text == '\0') return QStringLiteral("(GetLastErrorString failed)");
    return QString::fromLocal8Bit(text);
}

QString LastErrorString() {
    return ErrorString(errno);
}

}  // namespace SystemError
