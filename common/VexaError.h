// SPDX-License-Identifier: MIT
#pragma once
// The suite's exceptions. Each carries a message text meant for people.

#include <QString>
#include <exception>
#include <string>

#include "gravilo_common_export.h"

class GRAVILO_COMMON_EXPORT EVexaError : public std::exception {
public:
    explicit EVexaError(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toStdString()) {}
    const QString& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FUtf8.c_str(); }

private:
    QString FMessage;
    std::string FUtf8;
};

// Configuration errors of the chart (joined layers and the like).
class GRAVILO_COMMON_EXPORT EVexaPloticaError : public EVexaError {
public:
    using EVexaError::EVexaError;
};
