// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

#include "TGlossator.h"
#include "TItlFile.h"

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll();
}

void Load(TGlossator& dictionary, const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    dictionary.LoadFromStream(buffer);
}

}  // namespace

TEST(ItlFile, NameIsTheProgramsWithTheExtensionItl) {
    EXPECT_EQ(TItlFile::NameFor(QStringLiteral("/usr/bin/gravilo")), QStringLiteral("gravilo.itl"));
    EXPECT_EQ(TItlFile::NameFor(QStringLiteral("C:/Programs/Gravilo.exe")), QStringLiteral("Gravilo.itl"));
    EXPECT_EQ(TItlFile::NameFor(QStringLiteral("/opt/my.app.bin")), QStringLiteral("my.app.itl"));
    EXPECT_EQ(TItlFile::NameFor(QStringLiteral("/opt/.hidden")), QStringLiteral(".hidden.itl"));
    EXPECT_EQ(TItlFile::NameFor(QStringLiteral("/opt/v1.2/run")), QStringLiteral("run.itl"));
}

TEST(ItlFile, WrittenAtDestructionWithMissingKeysFirstThenTheDictionary) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString expectedPath =
        directory.filePath(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + ".itl");
    QFile stale(expectedPath);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("an older, longer file that must be replaced as a whole");
    stale.close();
    {
        TGlossator dictionary;
        dictionary.SetItlFileDirectory(directory.path());
        EXPECT_EQ(dictionary.ItlFilePath(), expectedPath);
        Load(dictionary, "[ EXIT ]=Beenden|$$\r\n[Explain]=Zeile\\nzwei|$$");
        dictionary.SetAutoCreateItlFile(true);
        dictionary.Translate("Reset");
        dictionary.Translate("exit ");
        dictionary.Translate("RESET");
        dictionary.Translate("Mass");
    }
    EXPECT_EQ(ReadFile(expectedPath),
              "[Reset]=Reset|$$\r\n"
              "[Mass]=Mass|$$\r\n"
              "[exit ]=Beenden|$$\r\n"
              "[explain]=Zeile\nzwei|$$\r\n");
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::Files),
              QStringList({QFileInfo(expectedPath).fileName()}))
        << "a temporary file was left behind";
}

TEST(ItlFile, WrittenToTheWorkingDirectoryAndOnlyWhenSwitchedOn) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(directory.path()));
    QString path;
    {
        TGlossator dictionary;
        dictionary.Translate("Exit");  // switch off: nothing recorded, nothing written
    }
    EXPECT_TRUE(QDir(directory.path()).isEmpty());
    {
        TGlossator dictionary;
        dictionary.SetAutoCreateItlFile(true);
        path = dictionary.ItlFilePath();
    }
    QDir::setCurrent(before);
    EXPECT_EQ(QFileInfo(path).absolutePath(), QFileInfo(directory.path()).canonicalFilePath());
    EXPECT_EQ(ReadFile(path), "") << "an empty dictionary writes an empty file";
}

TEST(ItlFile, AFileThatCannotBeWrittenIsReportedOnStandardError) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString missing = directory.filePath(QStringLiteral("no/such/folder"));
    testing::internal::CaptureStderr();
    {
        TGlossator dictionary;
        dictionary.SetItlFileDirectory(missing);
        dictionary.SetAutoCreateItlFile(true);
        dictionary.Translate("Exit");
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("Cannot write the language file"), std::string::npos) << said;
    EXPECT_NE(said.find(missing.toStdString()), std::string::npos) << said;

    QString errorText;
    EXPECT_FALSE(TItlFile::Write(directory.path(), {"[a]=b|$$"}, TItlEntries(), errorText))
        << "a folder is no file";
    EXPECT_FALSE(errorText.isEmpty());
}
