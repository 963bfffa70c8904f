#pragma once
// Errors of the host link, with a message text for people.

#include "VexaError.h"

class ELumeo : public EVexaError {
public:
    using EVexaError::EVexaError;
};
