// SPDX-License-Identifier: MIT
#pragma once
// GoogleTest shows QStrings as their text.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
