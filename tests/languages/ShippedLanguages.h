// SPDX-License-Identifier: MIT
#pragma once
// The language files of lang/, for tests that go through each of them.

#include <QDir>
#include <QStringList>
#include <string>

#include <gtest/gtest.h>

inline QStringList ShippedLanguageFiles() {
    QStringList files;
    for (const QString& name :
         QDir(QStringLiteral(GRAVILO_LANG_DIR)).entryList({QStringLiteral("gravilo_*.itl")}))
        files.append(QStringLiteral(GRAVILO_LANG_DIR "/") + name);
    return files;
}

// gravilo_pt_BR.itl is listed as pt_BR
inline std::string LanguageOf(const testing::TestParamInfo<QString>& info) {
    return QFileInfo(info.param).completeBaseName().mid(8).toStdString();
}

// a test's parameter printed as its text
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}
