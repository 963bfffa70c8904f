// SPDX-License-Identifier: MIT
#include "VexaError.h"
#include "EReadError.h"

// the key functions: the vtables and type information of the suite's exceptions are made here once
EVexaError::~EVexaError() = default;
EVexaPloticaError::~EVexaPloticaError() = default;
EReadError::~EReadError() = default;
