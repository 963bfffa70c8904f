// SPDX-License-Identifier: MIT
#pragma once

#include "VexaError.h"
#include "gravilo_hostlink_export.h"

/// Errors of the host link, with a message text for people.
class GRAVILO_HOSTLINK_EXPORT ELumeo : public EVexaError {
public:
    using EVexaError::EVexaError;
};
