// SPDX-License-Identifier: MIT
#pragma once
// The stream read error: raised when a stream is read past its end or holds data that cannot be
// what the reader expects (a length larger than what is left, for example).

#include "VexaError.h"
#include "gravilo_common_export.h"

class GRAVILO_COMMON_EXPORT EReadError : public EVexaError {
public:
    EReadError() : EVexaError(QStringLiteral("Stream read error")) {}
    using EVexaError::EVexaError;
    ~EReadError() override;
};
