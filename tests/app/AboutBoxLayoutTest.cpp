// SPDX-License-Identifier: MIT
// The About dialog as it is built: its size and place, its components with their parents, order,
// geometry, fonts and colours, and the texts that are marked for translation.

#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>

#include "AboutBox.h"
#include "TGlossator.h"

namespace {

struct TPlace {
    const char* Name;
    const char* Parent;
    QRect Geometry;
};

// where every component sits, relative to its parent
const TPlace KPlaces[] = {
    {"Panel1", "FrmAbout", {8, 10, 529, 127}},         {"LblName", "Panel1", {8, 12, 513, 34}},
    {"LblVersion", "Panel1", {8, 50, 513, 16}},        {"LblCopyright", "Panel1", {8, 100, 513, 16}},
    {"Panel2", "FrmAbout", {8, 224, 529, 65}},         {"LblWebSite", "Panel2", {8, 8, 137, 49}},
    {"LblHomePage", "Panel2", {152, 12, 369, 16}},     {"BButOK", "FrmAbout", {424, 296, 113, 33}},
    {"LblDescription", "FrmAbout", {8, 152, 529, 65}}, {"LblSimus", "Panel2", {152, 36, 369, 16}},
    {"LblAuthor", "Panel1", {8, 74, 513, 16}},
};

// the components among an object's children, in the order they were made
QStringList ComponentChildren(const QObject* parent) {
    QStringList names;
    for (QObject* child : parent->children())
        if (TComponent::Of(child)) names << child->objectName();
    return names;
}

void ExpectFont(const TLabel* label, const char* name, int height, TColor color, bool bold = false,
                bool italic = false, bool underline = false) {
    SCOPED_TRACE(label->objectName().toStdString());
    const TFont* f = label->Font();
    EXPECT_EQ(f->Name(), QLatin1String(name));
    EXPECT_EQ(f->Height(), height);
    EXPECT_EQ(f->Color(), color);
    EXPECT_EQ(f->Bold(), bold);
    EXPECT_EQ(f->Italic(), italic);
    EXPECT_EQ(f->Underline(), underline);
    // and the label really draws with it
    EXPECT_EQ(label->font().pixelSize(), height);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), ColorToQColor(color));
}

// the height the text takes when wrapped into the label's width
int WrappedHeight(const TLabel* label, const QString& text) {
    const QFontMetrics fm(label->font());
    return fm.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap | label->alignment(), text)
        .height();
}

}  // namespace

TEST(AboutBoxLayout, IsAFixedCentredDialogWithTheFormFont) {
    TFrmAbout about;
    EXPECT_EQ(about.ClientWidth(), 543);
    EXPECT_EQ(about.ClientHeight(), 332);
    EXPECT_EQ(about.minimumSize(), QSize(543, 332));
    EXPECT_EQ(about.maximumSize(), QSize(543, 332));
    EXPECT_EQ(about.BorderStyle(), bsDialog);
    EXPECT_EQ(about.Position(), poScreenCenter);
    EXPECT_EQ(about.Caption(), QLatin1String("GL_About"));
    EXPECT_EQ(about.Font()->Name(), QLatin1String("Arial"));
    EXPECT_EQ(about.Font()->Height(), 13);
    EXPECT_EQ(about.Font()->Color(), clBlack);
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(about.windowIcon().isNull());
    EXPECT_TRUE(about.HomePageAddress().isEmpty());
}

TEST(AboutBoxLayout, ComponentsSitWhereTheDesignPutsThemInDeclaredOrder) {
    TFrmAbout about;
    for (const TPlace& place : KPlaces) {
        SCOPED_TRACE(place.Name);
        auto* widget = about.findChild<QWidget*>(QLatin1String(place.Name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parent()->objectName(), QLatin1String(place.Parent));
        EXPECT_EQ(widget->geometry(), place.Geometry);
        EXPECT_FALSE(TComponent::Of(widget)->IsLoading());
    }
    EXPECT_EQ(ComponentChildren(&about), QStringList({"Panel1", "Panel2", "BButOK", "LblDescription"}));
    EXPECT_EQ(ComponentChildren(about.Panel1),
              QStringList({"LblName", "LblVersion", "LblCopyright", "LblAuthor"}));
    EXPECT_EQ(ComponentChildren(about.Panel2), QStringList({"LblWebSite", "LblHomePage", "LblSimus"}));
    EXPECT_EQ(about.LblSimus, about.findChild<TLabel*>(QStringLiteral("LblSimus")));
    EXPECT_EQ(about.BButOK, about.findChild<TBitBtn*>(QStringLiteral("BButOK")));
    for (TPanel* panel : {about.Panel1, about.Panel2}) {
        EXPECT_EQ(panel->BevelInner(), bvRaised);
        EXPECT_EQ(panel->BevelOuter(), bvLowered);
    }
}

TEST(AboutBoxLayout, LabelsCarryTheirFontsAlignmentAndDesignTexts) {
    TFrmAbout about;
    ExpectFont(about.LblName, "Arial", 30, clMaroon, true, true);
    ExpectFont(about.LblDescription, "Arial", 13, clMaroon);
    for (TLabel* plain : {about.LblVersion, about.LblAuthor, about.LblCopyright, about.LblWebSite})
        ExpectFont(plain, "Arial", 13, clBlack);
    for (TLabel* link : {about.LblHomePage, about.LblSimus}) {
        ExpectFont(link, "Courier New", 13, clBlue, true, false, true);
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(link->Alignment(), taLeftJustify);
    }
    for (TLabel* centred : {about.LblName, about.LblVersion, about.LblAuthor, about.LblCopyright})
        EXPECT_EQ(centred->Alignment(), taCenter);
    EXPECT_EQ(about.LblDescription->Alignment(), taCenter);
    EXPECT_TRUE(about.LblDescription->WordWrap());
    EXPECT_EQ(about.LblWebSite->Alignment(), taRightJustify);
    EXPECT_TRUE(about.LblWebSite->WordWrap());

    EXPECT_EQ(about.LblName->Caption(), QLatin1String("App. name"));
    EXPECT_EQ(about.LblVersion->Caption(), QLatin1String("App. version"));
    EXPECT_TRUE(about.LblAuthor->Caption().isEmpty());
    EXPECT_EQ(about.LblCopyright->Caption(), TFrmAbout::Notice);
    EXPECT_EQ(about.LblSimus->Caption(), TFrmAbout::SimulationsAddress);
    EXPECT_EQ(about.LblHomePage->Caption(), QLatin1String("GL_HomePage"));
    EXPECT_EQ(about.BButOK->Caption(), QLatin1String("GL_OK"));
    EXPECT_FALSE(about.BButOK->icon().isNull());
    EXPECT_TRUE(about.LblHomePage->isHidden());
    EXPECT_FALSE(about.LblSimus->isHidden());
}

TEST(AboutBoxLayout, EveryTextFitsItsLabel) {
    TFrmAbout about;
    EXPECT_LE(QFontMetrics(about.LblCopyright->font()).horizontalAdvance(TFrmAbout::Notice),
              about.LblCopyright->width());
    EXPECT_LE(QFontMetrics(about.LblSimus->font()).horizontalAdvance(TFrmAbout::SimulationsAddress),
              about.LblSimus->width());
    for (bool german : {false, true}) {
        SCOPED_TRACE(german ? "German" : "English");
        EXPECT_LE(WrappedHeight(about.LblDescription, TFrmAbout::DescriptionText(german)),
                  about.LblDescription->height());
        EXPECT_LE(WrappedHeight(about.LblWebSite, TFrmAbout::WebSiteText(german)),
                  about.LblWebSite->height());
    }
}

TEST(AboutBoxLayout, TranslationReplacesExactlyTheMarkedTexts) {
    TFrmAbout about;
    QFile file(QStringLiteral(GRAVILO_LANG_DIR "/gravilo_de.itl"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    TGlossator dictionary;
    dictionary.LoadFromStream(file);
    dictionary.TranslateComponent(&about);
    EXPECT_EQ(about.Caption(), QStringLiteral("Über"));
    EXPECT_EQ(about.LblHomePage->Caption(), QStringLiteral("Gravilo-Homepage"));
    EXPECT_EQ(about.BButOK->Caption(), QStringLiteral("OK"));
    EXPECT_EQ(about.LblSimus->Caption(), TFrmAbout::SimulationsAddress);
    EXPECT_EQ(about.LblCopyright->Caption(), TFrmAbout::Notice);
    EXPECT_EQ(about.LblName->Caption(), QLatin1String("App. name"));
    EXPECT_EQ(about.LblHomePage->Font()->Name(), QLatin1String("Courier New"));
}
