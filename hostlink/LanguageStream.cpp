// SPDX-License-Identifier: MIT
#include "LanguageStream.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include "RegularFile.h"

namespace LanguageStream {

std::unique_ptr<QIODevice> Open(const QString& FileName, QString& Error) {
    // a regular file is read whole at once, so that a failing medium is a reason here and not an
    // exception in the middle of loading; a pipe or a device is read as it comes
    if (QFileInfo(FileName).isFile()) return OpenRegular(FileName, Error);
    auto file = std::make_unique<QFile>(FileName);
    if (!file->open(QIODevice::ReadOnly)) {
        Error = file->errorString();
        return nullptr;
    }
    return Rewindable(std::move(file), Error);
}

std::unique_ptr<QIODevice> OpenRegular(const QString& FileName, QString& Error) {
    QByteArray bytes;
    if (!RegularFile::Read(FileName, MaxBytes, bytes, Error)) return nullptr;
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return buffer;
}

std::unique_ptr<QIODevice> Rewindable(std::unique_ptr<QIODevice> Stream, QString& Error) {
    if (!Stream || !Stream->isSequential()) return Stream;
    QByteArray bytes;
    char block[65536];
    for (;;) {
        const qint64 got = Stream->read(block, sizeof block);
        if (got < 0) {
            Error = Stream->errorString();
            return nullptr;
        }
        if (got == 0 && (Stream->atEnd() || !Stream->waitForReadyRead(-1))) break;
        if (bytes.size() + got > MaxBytes) {
            Error = QStringLiteral("it holds more than %1 MiB").arg(MaxBytes / (1024 * 1024));
            return nullptr;
        }
        bytes.append(block, got);
    }
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return buffer;
}

}  // namespace LanguageStream
