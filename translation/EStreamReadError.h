#pragma once
// A stream that could not be read: rewound, read or positioned. Raised by the dictionary while it
// loads a language file, so the caller learns why the file yielded no texts.

#include "VexaError.h"

class EStreamReadError : public EVexaError {
public:
    using EVexaError::EVexaError;
};
