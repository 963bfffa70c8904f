// SPDX-License-Identifier: MIT
#pragma once
// Opening a language file for the dictionary, which reads its file from the start and steps back
// in it. A pipe or a device (a FIFO, /dev/stdin from a pipe, /dev/null) can be read once only: its
// bytes are read at once and kept in memory, up to MaxBytes, as much as the host's server can hand
// over in one message.

#include <QIODevice>
#include <QString>

#include <memory>

#include "EndpointFrame.h"

namespace LanguageStream {

constexpr qint64 MaxBytes = EndpointFrame::MaxDataSize;

// The file, open for reading (a regular file read whole, as OpenRegular does, a pipe or a device
// as below); none, with the reason in Error, when it cannot be read.
std::unique_ptr<QIODevice> Open(const QString& FileName, QString& Error);

// A file the program finds on its own (a remembered choice, one of the Language menu): a regular
// file only, opened without waiting on a pipe, and read whole at once, so that a read error is a
// reason here, not an exception in the middle of loading; none, with the reason, otherwise.
std::unique_ptr<QIODevice> OpenRegular(const QString& FileName, QString& Error);

// The stream itself when it can be read again from its start, else its bytes in memory; none, with
// the reason in Error, when reading fails or the stream holds more than MaxBytes.
std::unique_ptr<QIODevice> Rewindable(std::unique_ptr<QIODevice> Stream, QString& Error);

}  // namespace LanguageStream
