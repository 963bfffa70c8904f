// SPDX-License-Identifier: MIT
// A language file the user chose: read instead of the file beside the program or the server's,
// with everything else of loading as usual.

#include <gtest/gtest.h>

#include <QFile>

#include "HostLinkTesting.h"
#include "TForm.h"
#include "TGlossator.h"

namespace {

struct TChosenLanguageForm {
    TChosenLanguageForm(const QString& LanguageFile, bool UseServer) {
        TLoadingScope loading;
        Client = loading.Add(new TqmrDemonClient(&Form));
        Client->SetUseTessaroServer(UseServer);
        Client->SetMultiStart(true);
        Client->SetLanguageFile(LanguageFile);
        Form.SetCaption(QStringLiteral("GL_Mass"));
        loading.End();
    }
    TForm Form;
    TqmrDemonClient* Client;
};

void WriteFile(const QString& Path, const QByteArray& Bytes) {
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Bytes);
}

}  // namespace

TEST(DemonLanguageFile, TheChosenFileTranslatesTheForm) {
    TLinkSandbox sandbox;
    const QString chosen = sandbox.Path(QStringLiteral("german.itl"));
    WriteFile(chosen, "[Mass]=Masse|$$\r\n[$dlglanguage$]=LGGERMAN|$$\r\n");
    TChosenLanguageForm linked(chosen, false);
    EXPECT_EQ(linked.Client->LanguageFile(), chosen);
    EXPECT_EQ(linked.Form.Caption(), QStringLiteral("Masse"));
    EXPECT_EQ(linked.Client->Translator()->Keys().size(), 2);
}

TEST(DemonLanguageFile, AChosenFileThatCannotBeReadLeavesTheDictionaryEmpty) {
    TLinkSandbox sandbox;
    TChosenLanguageForm linked(sandbox.Path(QStringLiteral("missing.itl")), false);
    EXPECT_EQ(linked.Form.Caption(), QStringLiteral("Mass"));
    EXPECT_TRUE(linked.Client->Translator()->Keys().isEmpty());
}

TEST(DemonLanguageFile, TheChosenFileWinsOverTheServersFile) {
    TLinkSandbox sandbox;
    TScriptedServer server(sandbox, QStringLiteral("chosen"));
    const QString chosen = sandbox.Path(QStringLiteral("chosen.itl"));
    WriteFile(chosen, "[Mass]=Masa|$$\r\n");
    TChosenLanguageForm linked(chosen, true);
    EXPECT_EQ(linked.Form.Caption(), QStringLiteral("Masa"));
    // the server still hears of the program; it is asked for no file
    EXPECT_EQ(server.Count(hmRegister), 1);
    EXPECT_EQ(server.Count(hmGetFile), 0);
    EXPECT_EQ(server.Count(hmMapFileName), 0);
}
