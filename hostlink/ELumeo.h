// SPDX-License-Identifier: MIT
#pragma once
// Errors of the host link, with a message text for people.

#include "VexaError.h"
#include "gravilo_hostlink_export.h"

class GRAVILO_HOSTLINK_EXPORT ELumeo : public EVexaError {
public:
    using EVexaError::EVexaError;
};
