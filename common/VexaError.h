// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <exception>
#include <string>

#include "gravilo_common_export.h"

/// The suite's exceptions. Each carries a message text meant for people. Their destructors live in
/// the common library, and with them their type information: a program and every library catch the
/// same type.
class GRAVILO_COMMON_EXPORT EVexaError : public std::exception {
public:
    /// The error with the text message.
    explicit EVexaError(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toStdString()) {}
    /// The message text, as it was given.
    const QString& Message() const noexcept { return FMessage; }
    /// Defined in the common library, which keeps the type's information in one place.
    ~EVexaError() override;
    /// The message text in UTF-8; valid as long as the error lives.
    const char* what() const noexcept override { return FUtf8.c_str(); }

private:
    QString FMessage;
    std::string FUtf8;
};

/// Configuration errors of the chart (joined layers and the like).
class GRAVILO_COMMON_EXPORT EVexaPloticaError : public EVexaError {
public:
    using EVexaError::EVexaError;
    /// Defined in the common library, which keeps the type's information in one place.
    ~EVexaPloticaError() override;
};
