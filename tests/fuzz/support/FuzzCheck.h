// SPDX-License-Identifier: MIT
#pragma once
// A broken promise found by a fuzz target: say which and what, then abort, so that libFuzzer keeps
// the input and the corpus replay fails.

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void FuzzFailure(const char* File, int Line, const char* Condition,
                                     const QString& Detail) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n  %s\n", File, Line, Condition, qPrintable(Detail));
    std::abort();
}

// FUZZ_CHECK(condition) or FUZZ_CHECK(condition, QString detail)
#define FUZZ_CHECK(Condition, ...) \
    ((Condition) ? void(0) : FuzzFailure(__FILE__, __LINE__, #Condition, QString(__VA_ARGS__)))

// the bytes as escaped text, for failure messages
inline QString FuzzShow(const QByteArray& Bytes) {
    QString text;
    for (const char c : Bytes.left(200)) {
        const unsigned char u = static_cast<unsigned char>(c);
        text += (u >= 32 && u < 127 && u != '\\') ? QString(QLatin1Char(c))
                                                  : QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
    }
    if (Bytes.size() > 200) text += QStringLiteral("...");
    return text;
}
