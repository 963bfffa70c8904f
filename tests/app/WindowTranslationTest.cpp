// SPDX-License-Identifier: MIT
// The real main window translated by its host link with each language file we ship, and the About
// dialog that the show handler fills from the same dictionary.

#include <gtest/gtest.h>

#include <QMetaProperty>
#include <QTemporaryDir>
#include <QTimer>

#include "AboutBox.h"
#include "GraviloTesting.h"
#include "ShownText.h"

using namespace gravilotest;

namespace {

// Every text property of the window and of everything in it, as "object path.property=value".
QStringList TextsOf(QObject* root) {
    QStringList texts;
    QList<QObject*> objects{root};
    objects += root->findChildren<QObject*>();
    for (QObject* o : objects) {
        QString path;
        for (QObject* p = o; p && p != root->parent(); p = p->parent())
            path.prepend(p->objectName() + QLatin1Char('/'));
        const QMetaObject* meta = o->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            const QVariant value = property.read(o);
            if (property.metaType().id() == QMetaType::QString)
                texts << path + property.name() + QLatin1Char('=') + value.toString();
            else if (property.metaType().id() == QMetaType::QStringList)
                texts << path + property.name() + QLatin1Char('=') +
                             value.toStringList().join(QLatin1Char('|'));
        }
    }
    return texts;
}

QStringList Names(QObject* root) {
    QStringList names{root->objectName()};
    for (QObject* o : root->findChildren<QObject*>()) names << o->objectName();
    return names;
}

QString Translated(TForm1& f, const char* key) {
    return f.cliDemon->Translator()->TranslateText(QLatin1String(key));
}

class ShippedFile : public testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(ShippedFile, EveryMarkedTextOfTheWindowIsTranslated) {
    QTemporaryDir missingKeys;
    TTestWindow w(ShippedLanguage(GetParam()), [&](TqmrDemonClient& link) {
        link.SetAutoCreateItlFile(true);
        link.Translator()->SetItlFileDirectory(missingKeys.path());
    });
    TForm1& f = *w;
    ASSERT_FALSE(f.cliDemon->Translator()->Keys().isEmpty());
    for (const QString& text : TextsOf(&f))
        EXPECT_FALSE(text.section(QLatin1Char('='), 1).startsWith(QLatin1String("GL_"))) << qPrintable(text);

    EXPECT_EQ(f.Caption(), Translated(f, "Potential Energy in a Gravitational Field"));
    EXPECT_EQ(f.SButExit->Caption(), Translated(f, "Exit"));
    EXPECT_EQ(f.BButAbout->Caption(), Translated(f, "About"));
    EXPECT_EQ(f.BButReset->Caption(), Translated(f, "Reset"));
    EXPECT_EQ(f.RGAccel->Caption(), Translated(f, "Acceleration"));
    EXPECT_EQ(f.RGAccel->Items(), QStringList({Translated(f, "Earth"), Translated(f, "Moon"),
                                               Translated(f, "Mars"), Translated(f, "Jupiter")}));
    EXPECT_EQ(f.NLblMasse->LeftText(), Translated(f, "Mass"));
    EXPECT_EQ(f.NLblHeight->LeftText(), Translated(f, "Height"));
    EXPECT_EQ(f.NLblEnergie->LeftText(), Translated(f, "Energy"));
    EXPECT_EQ(f.PLEnerg->Caption(), Translated(f, "Energy / Height"));
    EXPECT_EQ(f.MMExplain->Lines().join(QLatin1Char('\n')), Translated(f, "MMExplain"));
    EXPECT_GT(f.MMExplain->Lines().size(), 3);
    // units are no keys: the axis captions stay as they are
    EXPECT_EQ(f.PLPict->Scale1Y()->Caption(), QStringLiteral("[m]"));
    EXPECT_EQ(f.PLEnerg->Scale1X()->Caption(), QStringLiteral("[m]"));
    EXPECT_EQ(f.PLEnerg->Scale1Y()->Caption(), QStringLiteral("[kJ]"));

    // the About dialog, filled and translated by the show handler's steps, misses no key either
    TFrmAbout about;
    f.SetAboutDialog(&about);
    f.PrepareAboutDialog();
    EXPECT_EQ(about.Caption(), Translated(f, "About"));
    EXPECT_EQ(about.LblHomePage->Caption(), Translated(f, "HomePage"));
    EXPECT_EQ(about.BButOK->Caption(), Translated(f, "OK"));
    EXPECT_EQ(about.HomePageAddress(), Translated(f, "HomePageURL"));
    EXPECT_TRUE(about.HomePageAddress().startsWith(QLatin1String("https://")));
    EXPECT_TRUE(f.cliDemon->Translator()->MissingEntries().isEmpty())
        << f.cliDemon->Translator()->MissingEntries().join(", ").constData();
}

TEST_P(ShippedFile, NamesNeverChangeAndASecondWalkChangesNothing) {
    TTestWindow untranslated;
    TTestWindow translated(ShippedLanguage(GetParam()));
    EXPECT_EQ(Names(translated.Form.get()), Names(untranslated.Form.get()));
    const QStringList once = TextsOf(translated.Form.get());
    EXPECT_NE(once, TextsOf(untranslated.Form.get()));
    translated->cliDemon->Translator()->TranslateComponent(translated.Form.get());
    EXPECT_EQ(TextsOf(translated.Form.get()), once);
}

INSTANTIATE_TEST_SUITE_P(WindowTranslation, ShippedFile, testing::Values("gravilo_en.itl", "gravilo_de.itl"));

TEST(WindowTranslation, WithoutALanguageFileTheKeysLoseTheirPrefix) {
    TTestWindow w;
    TForm1& f = *w;
    EXPECT_TRUE(f.cliDemon->Translator()->Keys().isEmpty());
    EXPECT_EQ(f.Caption(), QStringLiteral("Potential Energy in a Gravitational Field"));
    EXPECT_EQ(f.RGAccel->Items(), QStringList({"Earth", "Moon", "Mars", "Jupiter"}));
    EXPECT_EQ(f.PLEnerg->Caption(), QStringLiteral("Energy / Height"));
    EXPECT_EQ(f.MMExplain->Lines(), QStringList({"MMExplain"}));
    EXPECT_EQ(f.SButExit->Caption(), QStringLiteral("Exit"));
}

// A language file's texts reach the windows as their characters, never as markup, and no longer
// than the bound: no home-page text that nests tables without end, no window title that an X
// server refuses.
TEST(WindowTranslation, TextsOfAFileShowAsTheirCharactersUpToTheBound) {
    QTemporaryDir folder;
    const QByteArray nested = QByteArray("<table><tr><td>").repeated(3000);
    const QByteArray huge(100000, 'x');
    QFile file(folder.filePath(QStringLiteral("hostile.itl")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Potential Energy in a Gravitational Field]=" + huge + "|$$[Exit]=" + huge +
               "|$$[HomePage]=" + nested + "|$$");
    file.close();
    TTestWindow w(file.fileName());
    EXPECT_EQ(w->windowTitle(), QString(ShownText::MaxLength, QLatin1Char('x')));
    EXPECT_EQ(w->SButExit->text(), QString(ShownText::MaxLength, QLatin1Char('x')));
    TFrmAbout about;
    w->SetAboutDialog(&about);
    w->PrepareAboutDialog();
    EXPECT_EQ(about.LblHomePage->text(), QString::fromLatin1(nested));
    // laid out as one line of characters (as markup, the layout would overflow the stack)
    EXPECT_GT(about.LblHomePage->sizeHint().width(), 3000 * 15 * 7);
}

TEST(WindowTranslation, TheGermanFileGivesTheGermanWindowAndAboutDialog) {
    TTestWindow w(ShippedLanguage("gravilo_de.itl"));
    TForm1& f = *w;
    EXPECT_EQ(f.Caption(), QStringLiteral("Potenzielle Energie im Gravitationsfeld"));
    EXPECT_EQ(f.RGAccel->Items().first(), QStringLiteral("Erde"));
    TFrmAbout about;
    f.SetAboutDialog(&about);
    f.PrepareAboutDialog();
    EXPECT_EQ(about.LblName->Caption(), QStringLiteral("Gravilo"));
    EXPECT_EQ(about.LblVersion->Caption(), QStringLiteral("Version 1.0"));
    EXPECT_EQ(about.LblDescription->Caption(), TFrmAbout::DescriptionText(true));
    EXPECT_EQ(about.LblWebSite->Caption(), TFrmAbout::WebSiteText(true));
    EXPECT_EQ(about.Caption(), QStringLiteral("Über"));
}

TEST(WindowTranslation, TheEnglishFileOrNoneGivesTheEnglishAboutDialog) {
    for (const QString& file : {ShippedLanguage("gravilo_en.itl"), QString()}) {
        TTestWindow w(file);
        TFrmAbout about;
        w->SetAboutDialog(&about);
        w->PrepareAboutDialog();
        EXPECT_EQ(about.LblDescription->Caption(), TFrmAbout::DescriptionText(false)) << qPrintable(file);
        EXPECT_EQ(about.LblWebSite->Caption(), TFrmAbout::WebSiteText(false));
        EXPECT_EQ(about.Caption(), QStringLiteral("About"));
    }
}

// The show handler: the About dialog, filled and translated, shown modally before the simulation
// starts; the About button shows it again with the same texts.
TEST(WindowTranslation, TheAboutDialogComesBeforeTheStartStateAndAgainOnRequest) {
    TTestWindow w(ShippedLanguage("gravilo_de.itl"));
    TFrmAbout about;
    w->SetAboutDialog(&about);
    // a dialog that is never closed ends the test's wait instead of hanging it
    QTimer::singleShot(10000, &about, [&about] { about.SetModalResult(-1); });
    bool modal = false, startedMeanwhile = true, homePageShown = false;
    int itemsMeanwhile = -1;
    QString description;
    const auto look = [&] {
        modal = about.IsModal() && about.isVisible();
        startedMeanwhile = w->Started();
        itemsMeanwhile = w->PLEnerg->ItemCount();
        homePageShown = about.LblHomePage->isVisible();
        description = about.LblDescription->Caption();
        about.BButOK->click();
    };
    QTimer::singleShot(0, &about, look);
    w->show();
    EXPECT_TRUE(modal);
    EXPECT_FALSE(startedMeanwhile);
    EXPECT_EQ(itemsMeanwhile, 0);
    EXPECT_TRUE(homePageShown);
    EXPECT_EQ(description, TFrmAbout::DescriptionText(true));
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(w->Started());
    EXPECT_EQ(w->PLEnerg->ItemCount(), 2);

    modal = false;
    QTimer::singleShot(0, &about, look);
    w->BButAbout->click();
    EXPECT_TRUE(modal);
    EXPECT_TRUE(homePageShown);
    EXPECT_EQ(description, TFrmAbout::DescriptionText(true));
    EXPECT_EQ(about.Caption(), QStringLiteral("Über"));
    // the About dialog changes nothing in the simulation
    EXPECT_EQ(w->PLEnerg->ItemCount(), 2);
}
