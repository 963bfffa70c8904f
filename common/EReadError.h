// SPDX-License-Identifier: MIT
#pragma once

#include "VexaError.h"
#include "gravilo_common_export.h"

/// The stream read error: raised when a stream is read past its end or holds data that cannot be
/// what the reader expects (a length larger than what is left, for example).
class GRAVILO_COMMON_EXPORT EReadError : public EVexaError {
public:
    /// The error with the message "Stream read error".
    EReadError() : EVexaError(QStringLiteral("Stream read error")) {}
    using EVexaError::EVexaError;
    /// Defined in the common library, which keeps the type's information in one place.
    ~EReadError() override;
};
