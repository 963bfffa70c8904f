// SPDX-License-Identifier: MIT
#pragma once
// What the host-message benchmarks exchange: a request of a host-link message's size and a
// somewhat larger reply, as a viewer's answer with an entity record or two would be.

#include <QByteArray>

namespace bench {

constexpr int RequestSize = 128;
constexpr int ReplySize = 256;
constexpr int RequestId = 1;
constexpr int ReplyId = 2;
constexpr int QuitId = 3;

inline QByteArray Payload(int size, char fill) {
    return QByteArray(size, fill);
}

}  // namespace bench
