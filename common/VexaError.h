// SPDX-License-Identifier: MIT
#pragma once
// The suite's exceptions. Each carries a message text meant for people. Their destructors live in
// the common library, and with them their type information: a program and every library catch the
// same type.

#include <QString>
#include <exception>
#include <string>

#include "gravilo_common_export.h"

class GRAVILO_COMMON_EXPORT EVexaError : public std::exception {
public:
    explicit EVexaError(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toStdString()) {}
    const QString& Message() const noexcept { return FMessage; }
    ~EVexaError() override;
    const char* what() const noexcept override { return FUtf8.c_str(); }

private:
    QString FMessage;
    std::string FUtf8;
};

// Configuration errors of the chart (joined layers and the like).
class GRAVILO_COMMON_EXPORT EVexaPloticaError : public EVexaError {
public:
    using EVexaError::EVexaError;
    ~EVexaPloticaError() override;
};
