// SPDX-License-Identifier: MIT
// What the host link does when its form has been loaded: registering, the language file from the
// server or beside the program, translating the form, and the errors of loading.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMetaProperty>

#include "ELumeo.h"
#include "HostLinkTesting.h"
#include "TForm.h"
#include "TGlossator.h"

namespace {

void WriteFile(const QString& Path, const QByteArray& Bytes) {
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Bytes);
}

// a form with the host link, its published values set while it loads
struct TLinkedForm {
    explicit TLinkedForm(bool UseServer, bool AutoTranslate = true) {
        TLoadingScope loading;
        Client = loading.Add(new TqmrDemonClient(&Form));
        Client->SetUseTessaroServer(UseServer);
        Client->SetAutoTranslate(AutoTranslate);
        Client->SetMultiStart(true);  // the test program is no single instance
        Form.SetCaption(QStringLiteral("GL_Mass"));
        EXPECT_TRUE(Client->IsLoading());
        loading.End();
    }
    TForm Form;
    TqmrDemonClient* Client;
};

QString ProgramName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

}  // namespace

TEST(DemonLoading, PublishedValuesAfterConstruction) {
    TLinkSandbox sandbox;
    TqmrDemonClient client(nullptr);
    EXPECT_TRUE(client.AutoTranslate());
    EXPECT_FALSE(client.AutoCreateItlFile());
    EXPECT_FALSE(client.MultiStart());
    EXPECT_TRUE(client.UseTessaroServer());
    EXPECT_FALSE(client.ServerDown());
    EXPECT_FALSE(client.IsDesigning());
    ASSERT_NE(client.Translator(), nullptr);
    EXPECT_EQ(client.OwnEntity().ExeName, QCoreApplication::applicationFilePath());
    EXPECT_EQ(client.OwnEntity().Title, QGuiApplication::applicationDisplayName());
    EXPECT_EQ(client.OwnEntity().ExtraHandle, 0u);
    EXPECT_EQ(client.GetWindowClassName(), QStringLiteral("ThisIsTheLumeoClientComponentWindowClass"));
    EXPECT_EQ(TMessageEndpoint::Find(client.GetWindowClassName(), QString()), client.OwnEntity().Handle);

    // the flag lives in the dictionary, and the form walk reads the names
    client.setProperty("AutoCreateItlFile", true);
    EXPECT_TRUE(client.Translator()->AutoCreateItlFile());
    client.SetAutoCreateItlFile(false);
    QStringList published;
    for (int i = QObject::staticMetaObject.propertyCount(); i < client.metaObject()->propertyCount(); ++i)
        published << client.metaObject()->property(i).name();
    EXPECT_EQ(published,
              QStringList({"AutoTranslate", "AutoCreateItlFile", "MultiStart", "UseTessaroServer"}));
}

TEST(DemonLoading, WithTheServerItRegistersAndTakesItsLanguageFile) {
    TLinkSandbox sandbox;
    WriteFile(sandbox.ServerRoot() + "/" + ProgramName() + ".itl", "[Mass]=Masse|$$\r\n");
    sandbox.StartServer(QStringLiteral("lang"));
    sandbox.SetViewerHandle(QStringLiteral("lang"));
    quint32 handle = 0;
    {
        TLinkedForm linked(true);
        handle = linked.Client->OwnEntity().Handle;
        EXPECT_FALSE(linked.Client->IsLoading());
        EXPECT_EQ(linked.Form.Caption(), QStringLiteral("Masse"));
        EXPECT_EQ(linked.Client->Translator()->TranslateText(QStringLiteral("mass")),
                  QStringLiteral("Masse"));
    }
    const QStringList log = sandbox.ServerLogLines();
    ASSERT_GE(log.size(), 4);
    EXPECT_TRUE(log.first().startsWith(QStringLiteral("kind=4098 from=%1 ").arg(handle)));
    EXPECT_TRUE(log.filter(QStringLiteral("kind=4103 from=%1 ").arg(handle)).size() == 1);
    EXPECT_TRUE(log.last().startsWith(QStringLiteral("kind=4099 from=%1 ").arg(handle)));

    // without AutoTranslate the dictionary is loaded, the form left alone
    TLinkedForm untranslated(true, false);
    EXPECT_EQ(untranslated.Form.Caption(), QStringLiteral("GL_Mass"));
    EXPECT_EQ(untranslated.Client->Translator()->Keys().size(), 1);
}

TEST(DemonLoading, ServerThatIsRequiredButMissingIsAnError) {
    TLinkSandbox sandbox;
    try {
        TLinkedForm linked(true);
        ADD_FAILURE() << "loading without the server did not fail";
    } catch (const ELumeo& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Lumeo server application is not running"));
    }
    // without the requirement, and without a language file, the form shows its keys bare
    TLinkedForm local(false);
    EXPECT_EQ(local.Form.Caption(), QStringLiteral("Mass"));
}
