// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QBuffer>

#include "TFont.h"
#include "TGlossator.h"
#include "WalkShapes.h"

namespace {

void Load(TGlossator& dictionary, const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    dictionary.LoadFromStream(buffer);
}

const QByteArray KGerman =
    "[Potential Energy in a Gravitational Field]=Potentielle Energie im Gravitationsfeld|$$\r\n"
    "[Energy / Height]=Energie / H\xc3\xb6he|$$\r\n[Exit]=Beenden|$$\r\n[Mass]=Masse|$$\r\n"
    "[Height]=H\xc3\xb6he|$$\r\n[Energy]=Energie|$$\r\n[Acceleration]=Beschleunigung|$$\r\n"
    "[Earth]=Erde|$$\r\n[Moon]=Mond|$$\r\n[Mars]=Mars|$$\r\n[Jupiter]=Jupiter|$$\r\n[About]=\xc3\x9c"
    "ber|$$\r\n"
    "[Reset]=Zur\xc3\xbc"
    "cksetzen|$$\r\n[MMExplain]=Zieh am Seil.\\nHalte es am Haken fest.|$$\r\n";

QString Utf8(const char* text) {
    return QString::fromUtf8(text);
}

}  // namespace

TEST(FormWalk, EveryMarkedTextOfTheMainWindowIsTranslated) {
    TGlossator dictionary;
    Load(dictionary, KGerman);
    dictionary.SetAutoCreateItlFile(true);
    TWalkMainWindow window;
    dictionary.TranslateComponent(window.Form);

    EXPECT_EQ(window.Form->Caption(), Utf8("Potentielle Energie im Gravitationsfeld"));
    EXPECT_EQ(window.Energ->Caption(), Utf8("Energie / Höhe"));
    EXPECT_EQ(window.Exit->Caption(), Utf8("Beenden"));
    EXPECT_EQ(window.Masse->Caption(), Utf8("Masse"));
    EXPECT_EQ(window.Height->Caption(), Utf8("Höhe"));
    EXPECT_EQ(window.Energie->Caption(), Utf8("Energie"));
    EXPECT_EQ(window.Accel->Caption(), Utf8("Beschleunigung"));
    EXPECT_EQ(window.Accel->Items(), QStringList({"Erde", "Mond", "Mars", "Jupiter"}));
    EXPECT_EQ(window.About->Caption(), Utf8("Über"));
    EXPECT_EQ(window.Reset->Caption(), Utf8("Zurücksetzen"));
    EXPECT_EQ(window.Explain->Lines(), QStringList({"Zieh am Seil.\nHalte es am Haken fest."}));
    // the axis captions are units, not keys
    EXPECT_EQ(window.Energ->Scale1X()->Caption(), "[m]");
    EXPECT_EQ(window.Energ->Scale1Y()->Caption(), "[kJ]");
    EXPECT_TRUE(dictionary.MissingEntries().isEmpty()) << dictionary.MissingEntries().join(' ').constData();
    dictionary.SetAutoCreateItlFile(false);
}

TEST(FormWalk, WithoutADictionaryThePrefixesVanishAndNamesStay) {
    TGlossator dictionary;
    TWalkMainWindow window;
    window.Exit->SetName(QStringLiteral("GL_Exit"));
    window.Exit->setObjectName(QStringLiteral("GL_ExitButton"));
    dictionary.TranslateComponent(window.Form);

    EXPECT_EQ(window.Form->Caption(), "Potential Energy in a Gravitational Field");
    EXPECT_EQ(window.Energ->Caption(), "Energy / Height");
    EXPECT_EQ(window.Accel->Items(), QStringList({"Earth", "Moon", "Mars", "Jupiter"}));
    EXPECT_EQ(window.Explain->Lines(), QStringList({"MMExplain"}));
    EXPECT_EQ(window.Exit->objectName(), "GL_ExitButton");
    EXPECT_EQ(window.Form->objectName(), "Form1");
}

TEST(FormWalk, ASecondWalkChangesNothing) {
    TGlossator dictionary;
    Load(dictionary, KGerman);
    TWalkMainWindow window;
    dictionary.TranslateComponent(window.Form);
    const QList<TWalkControl*> controls = window.Form->findChildren<TWalkControl*>();
    QList<int> writes;
    for (TWalkControl* control : controls) writes.append(control->Writes);
    dictionary.TranslateComponent(window.Form);
    for (qsizetype i = 0; i < controls.size(); ++i)
        EXPECT_EQ(controls[i]->Writes, writes[i]) << controls[i]->Name().toStdString();
    EXPECT_EQ(window.Form->Caption(), Utf8("Potentielle Energie im Gravitationsfeld"));
}

TEST(FormWalk, OnlyWritableStringsThatBeginWithThePrefixExactly) {
    TGlossator dictionary;
    Load(dictionary, "[Exit]=Beenden|$$[]=empty key|$$");
    TWalkControl control(nullptr, "Control", QStringLiteral("gl_Exit"));
    control.SetHint(QStringLiteral("GL_Exit"));
    control.FVersion = QStringLiteral("GL_Exit");
    control.Font()->SetFaceName(QStringLiteral("GL_Exit"));
    TWalkControl exact(nullptr, "Exact", QStringLiteral("GL_"));
    TWalkControl shorter(nullptr, "Shorter", QStringLiteral("GL"));
    dictionary.TranslateComponent(&control);
    dictionary.TranslateComponent(&exact);
    dictionary.TranslateComponent(&shorter);

    EXPECT_EQ(control.Caption(), "gl_Exit");
    EXPECT_EQ(control.Hint(), "Beenden");              // a hint is translated like a caption
    EXPECT_EQ(control.Version(), "GL_Exit");           // read-only
    EXPECT_EQ(control.Font()->FaceName(), "GL_Exit");  // fonts are not walked
    EXPECT_EQ(control.Font()->Writes, 1);
    EXPECT_EQ(exact.Caption(), "empty key");
    EXPECT_EQ(shorter.Caption(), "GL");
}

TEST(FormWalk, OnlyChildrenThatAreComponentsAreWalked) {
    TGlossator dictionary;
    Load(dictionary, "[Exit]=Beenden|$$");
    TWalkControl control(nullptr, "Control", QStringLiteral("GL_Exit"));
    // a control's font and inner widgets are its children, but not components it owns
    auto* font = new TFont(&control);
    font->SetName(QStringLiteral("GL_Exit"));
    auto* inner = new TWalkFont;
    inner->setParent(&control);
    inner->SetFaceName(QStringLiteral("GL_Exit"));
    auto* owned = new TWalkControl(&control, "Owned", QStringLiteral("GL_Exit"));
    dictionary.TranslateComponent(&control);
    EXPECT_EQ(control.Caption(), "Beenden");
    EXPECT_EQ(owned->Caption(), "Beenden");
    EXPECT_EQ(font->Name(), "GL_Exit");
    EXPECT_EQ(inner->FaceName(), "GL_Exit");
}

TEST(FormWalk, StringListsTranslateMarkedLinesOnlyAndAreWrittenOnce) {
    TGlossator dictionary;
    Load(dictionary, "[Earth]=Erde|$$[Mars]=Mars (rot)|$$");
    QByteArrayList order;
    dictionary.SetOnKeyTranslated(
        [&](TGlossator&, const QByteArray& key, QByteArray&) { order.append(key); });
    TWalkRadioGroup group(nullptr, "RGAccel");
    group.SetItems({"GL_Earth", "plain", "GL_Mars"});
    group.FFixed = {"GL_Earth"};
    group.Writes = 0;
    dictionary.TranslateComponent(&group);
    EXPECT_EQ(group.Items(), QStringList({"Erde", "plain", "Mars (rot)"}));
    EXPECT_EQ(group.Fixed(), QStringList({"GL_Earth"}));
    EXPECT_EQ(group.Writes, 1);
    EXPECT_EQ(order, QByteArrayList({"Mars", "Earth"})) << "from the last line to the first";

    group.SetItems({"no", "marks"});
    group.Writes = 0;
    dictionary.TranslateComponent(&group);
    EXPECT_EQ(group.Writes, 0);
}

TEST(FormWalk, ScalePropertiesAndCollectionsAreWalkedOtherSettingsAreNot) {
    TGlossator dictionary;
    Load(dictionary, "[Time]=Zeit|$$[Column]=Spalte|$$");
    TWalkChart chart(nullptr, "PLEnerg", QStringLiteral("GL_Time"));
    TScaleProps* scales[] = {chart.Scale1X(), chart.Scale1Y(), chart.Scale2X(), chart.Scale2Y()};
    for (TScaleProps* scale : scales) {
        scale->SetCaption(QStringLiteral("GL_Time"));
        scale->SetScaleInscript(QStringLiteral("GL_Time"));
        scale->SetUserTickText(QStringLiteral("GL_Time"));
        scale->Font()->SetFaceName(QStringLiteral("GL_Time"));
        scale->DateFormat()->SetDateSeparator(QStringLiteral("GL_Time"));
        scale->Writes = 0;
    }
    chart.CrossHair1()->SetTag(QStringLiteral("GL_Time"));
    chart.TextLabel1()->SetCaption(QStringLiteral("GL_Time"));
    chart.Axis()->SetCaption(QStringLiteral("GL_Time"));
    dictionary.TranslateComponent(&chart);

    EXPECT_EQ(chart.Caption(), "Zeit");
    for (TScaleProps* scale : scales) {
        EXPECT_EQ(scale->Caption(), "Zeit");
        EXPECT_EQ(scale->ScaleInscript(), "Zeit");
        EXPECT_EQ(scale->UserTickText(), "Zeit");
        EXPECT_EQ(scale->Font()->FaceName(), "GL_Time");
        EXPECT_EQ(scale->DateFormat()->DateSeparator(), "GL_Time");
        EXPECT_EQ(scale->Writes, 3);
    }
    EXPECT_EQ(chart.CrossHair1()->Tag(), "GL_Time");
    EXPECT_EQ(chart.TextLabel1()->Caption(), "GL_Time");
    EXPECT_EQ(chart.Axis()->Caption(), "Zeit") << "an owned component is walked";

    TWalkGrid grid(nullptr, "Grid");
    auto* first = new TWalkColumn(QStringLiteral("GL_Column"));
    auto* second = new TWalkColumn(QStringLiteral("Fixed"));
    auto* third = new TWalkColumn(QStringLiteral("GL_Time"));
    for (TWalkColumn* column : {first, second, third}) grid.Columns()->Add(column);
    dictionary.TranslateComponent(&grid);
    EXPECT_EQ(first->Title(), "Spalte");
    EXPECT_EQ(second->Title(), "Fixed");
    EXPECT_EQ(third->Title(), "Zeit");
    EXPECT_EQ(first->Writes, 1) << "an item is walked once";
}

TEST(FormWalk, EachObjectIsVisitedOnce) {
    // a translation that is itself marked is translated again at every visit, so the lookups
    // count the visits
    TGlossator dictionary;
    Load(dictionary, "[Time]=GL_Time|$$");
    int lookups = 0;
    dictionary.SetOnKeyTranslated([&](TGlossator&, const QByteArray&, QByteArray&) { ++lookups; });
    TWalkChart chart(nullptr, "PLEnerg", QStringLiteral("GL_Time"));
    TScaleProps* scales[] = {chart.Scale1X(), chart.Scale1Y(), chart.Scale2X(), chart.Scale2Y()};
    for (TScaleProps* scale : scales) scale->SetCaption(QStringLiteral("GL_Time"));
    chart.Axis()->SetCaption(QStringLiteral("GL_Time"));
    dictionary.TranslateComponent(&chart);
    EXPECT_EQ(lookups, 6);
    dictionary.TranslateComponent(&chart);
    EXPECT_EQ(lookups, 12);
}

TEST(FormWalk, DepthFirstEachObjectBeforeWhatItOwns) {
    TGlossator dictionary;
    TWalkMainWindow window;
    QStringList visited;
    dictionary.SetOnTranslateObject([&](TGlossator&, QObject* object, bool& translate) {
        visited.append(object->objectName());
        if (object == window.Panel) translate = false;
        if (object == window.Accel) translate = false;
    });
    dictionary.TranslateComponent(window.Form);
    const QStringList expected = {"Form1",
                                  "Panel1",
                                  "SButExit",
                                  "NLblMasse",
                                  "NLblHeight",
                                  "NLblEnergie",
                                  "RGAccel",
                                  "BButAbout",
                                  "BButReset",
                                  "PLPict",
                                  "",
                                  "",
                                  "",
                                  "",
                                  "PL_FScale_X_1",
                                  "Timer1",
                                  "MMExplain",
                                  "PLEnerg",
                                  "",
                                  "",
                                  "",
                                  "",
                                  "PL_FScale_X_1"};
    EXPECT_EQ(visited, expected);
    // a skipped object keeps its texts; what it owns is still translated
    EXPECT_EQ(window.Accel->Caption(), "GL_Acceleration");
    EXPECT_EQ(window.Accel->Items().first(), "GL_Earth");
    EXPECT_EQ(window.Exit->Caption(), "Exit");
}

TEST(FormWalk, AboutDialogAndWindows1252Files) {
    TGlossator dictionary;
    Load(dictionary,
         "[About]=\xdc"
         "ber|$$[HomePage]=Startseite|$$[OK]=Gut|$$");
    ASSERT_EQ(dictionary.Encoding(), TTextEncoding::teWindows1252);
    TWalkAboutBox box;
    dictionary.TranslateComponent(box.Form);
    EXPECT_EQ(box.Form->Caption(), Utf8("Über"));
    EXPECT_EQ(box.HomePage->Caption(), Utf8("Startseite"));
    EXPECT_EQ(box.Ok->Caption(), Utf8("Gut"));
}
