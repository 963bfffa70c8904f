// SPDX-License-Identifier: MIT
#include "AboutBox.h"

#include "Pictures.h"
#include "TGlossator.h"

const QString TFrmAbout::SimulationsAddress = QStringLiteral("https://gravilo.example.org/simulations/");
const QString TFrmAbout::Notice =
    QStringLiteral("© 2026 The Gravilo developers. Free for teaching and learning.");

namespace {

template <typename T>
T* Place(TLoadingScope& loading, QWidget* parent, const char* name, int left, int top, int width,
         int height) {
    T* component = loading.Add(new T(parent));
    component->setObjectName(QString::fromLatin1(name));
    component->setGeometry(left, top, width, height);
    return component;
}

void RaisedInLowered(TPanel* panel) {
    panel->SetBevelInner(bvRaised);
    panel->SetBevelOuter(bvLowered);
}

void LinkLook(TLabel* label) {
    TFont* font = label->Font();
    font->SetName(QStringLiteral("Courier New"));
    font->SetHeight(13);
    font->SetBold(true);
    font->SetUnderline(true);
    font->SetColor(clBlue);
    label->setCursor(Qt::PointingHandCursor);
}

}  // namespace

TFrmAbout::TFrmAbout(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("FrmAbout"));
    SetCaption(QStringLiteral("GL_About"));
    Font()->SetName(QStringLiteral("Arial"));
    Font()->SetHeight(13);
    Font()->SetColor(clBlack);
    SetBorderStyle(bsDialog);
    SetClientSize(543, 332);
    SetPosition(poScreenCenter);
    setWindowIcon(GraviloIcon());
    BuildComponents();
    WireHandlers();
}

void TFrmAbout::BuildComponents() {
    TLoadingScope loading;
    Panel1 = Place<TPanel>(loading, this, "Panel1", 8, 10, 529, 127);
    RaisedInLowered(Panel1);
    LblName = Place<TLabel>(loading, Panel1, "LblName", 8, 12, 513, 34);
    LblName->SetAlignment(taCenter);
    LblName->Font()->Assign(*Font());
    LblName->Font()->SetHeight(30);
    LblName->Font()->SetBold(true);
    LblName->Font()->SetItalic(true);
    LblName->Font()->SetColor(clMaroon);
    LblName->SetCaption(QStringLiteral("App. name"));
    LblVersion = Place<TLabel>(loading, Panel1, "LblVersion", 8, 50, 513, 16);
    LblVersion->SetAlignment(taCenter);
    LblVersion->Font()->Assign(*Font());
    LblVersion->SetCaption(QStringLiteral("App. version"));
    LblCopyright = Place<TLabel>(loading, Panel1, "LblCopyright", 8, 100, 513, 16);
    LblCopyright->SetAlignment(taCenter);
    LblCopyright->Font()->Assign(*Font());
    LblCopyright->SetCaption(Notice);

    Panel2 = Place<TPanel>(loading, this, "Panel2", 8, 224, 529, 65);
    RaisedInLowered(Panel2);
    LblWebSite = Place<TLabel>(loading, Panel2, "LblWebSite", 8, 8, 137, 49);
    LblWebSite->SetAlignment(taRightJustify);
    LblWebSite->SetWordWrap(true);
    LblWebSite->Font()->Assign(*Font());
    LblHomePage = Place<TLabel>(loading, Panel2, "LblHomePage", 152, 12, 369, 16);
    LinkLook(LblHomePage);
    LblHomePage->SetCaption(QStringLiteral("GL_HomePage"));
    LblHomePage->setVisible(false);  // shown by FormShow

    BButOK = Place<TBitBtn>(loading, this, "BButOK", 424, 296, 113, 33);
    BButOK->SetCaption(QStringLiteral("GL_OK"));
    BButOK->SetGlyph(OkGlyph());
    BButOK->SetModalResult(mrOk);
    // Enter and Escape close the dialog as OK does
    BButOK->SetDefault(true);
    BButOK->SetCancel(true);

    LblDescription = Place<TLabel>(loading, this, "LblDescription", 8, 152, 529, 65);
    LblDescription->SetAlignment(taCenter);
    LblDescription->SetWordWrap(true);
    LblDescription->Font()->Assign(*Font());
    LblDescription->Font()->SetColor(clMaroon);

    LblSimus = Place<TLabel>(loading, Panel2, "LblSimus", 152, 36, 369, 16);
    LinkLook(LblSimus);
    LblSimus->SetCaption(SimulationsAddress);
    LblSimus->SetLinkAddress(SimulationsAddress);

    LblAuthor = Place<TLabel>(loading, Panel1, "LblAuthor", 8, 74, 513, 16);
    LblAuthor->SetAlignment(taCenter);
    LblAuthor->Font()->Assign(*Font());
    loading.End();
}

void TFrmAbout::SetHomePageAddress(const QString& address) {
    FHomePageAddress = address;
    LblHomePage->SetLinkAddress(address);
    // OK first, where the dialog puts the focus, then the two links (a control that takes no
    // focus has no place in the order: the home page takes it from its address)
    setTabOrder(BButOK, LblHomePage);
    setTabOrder(LblHomePage, LblSimus);
}

void TFrmAbout::WireHandlers() {
    using namespace std::placeholders;
    OnShow = [this](QObject* s) { FormShow(s); };
    LblHomePage->OnClick = [this](QObject* s) { LblHomePageClick(s); };
    LblSimus->OnClick = [this](QObject* s) { LblSimusClick(s); };
    LblHomePage->OnMouseMove = std::bind(&TFrmAbout::LblHomePageMouseMove, this, _1, _2, _3, _4);
    LblSimus->OnMouseMove = std::bind(&TFrmAbout::LblSimusMouseMove, this, _1, _2, _3, _4);
    Panel2->OnMouseMove = std::bind(&TFrmAbout::Panel2MouseMove, this, _1, _2, _3, _4);
    BButOK->OnClick = [this](QObject* s) { BButOKClick(s); };
}

bool TFrmAbout::IsGermanLanguage(const QString& dlgLanguage) {
    // only A-Z are folded, so no other letter can pass for one of "lggerman"
    QString lower = dlgLanguage;
    for (QChar& c : lower)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
    return lower == QLatin1String("lggerman");
}

QString TFrmAbout::WebSiteText(bool german) {
    return german ? QStringLiteral("Mehr Informationen finden Sie auf folgenden Webseiten:")
                  : QStringLiteral("More information can be found at the following Web sites:");
}

QString TFrmAbout::DescriptionText(bool german) {
    return german ? QStringLiteral(
                        "Gravilo zeigt den Zusammenhang zwischen Masse, Höhe, Fallbeschleunigung und "
                        "potenzieller Energie auf der Erde, dem Mond, dem Mars und dem Jupiter. Das "
                        "interaktive Beispiel wurde von den Gravilo-Entwicklern erstellt und wird in "
                        "mehreren interaktiven elektronischen Lehrbüchern eingesetzt.")
                  : QStringLiteral(
                        "Gravilo shows the relationship between mass, height, gravitational "
                        "acceleration and potential energy on the Earth, the Moon, Mars and Jupiter. "
                        "This interactive example was made by the Gravilo developers and is used in "
                        "several interactive electronic textbooks.");
}

void TFrmAbout::FillTexts(bool german) {
    LblWebSite->SetCaption(WebSiteText(german));
    LblDescription->SetCaption(DescriptionText(german));
}

void TFrmAbout::FillTexts(TGlossator& dictionary) {
    const bool german = IsGermanLanguage(dictionary.TranslateText(QStringLiteral("$dlglanguage$")));
    const auto text = [&](const QString& key, const QString& fixed) {
        const QString translated = dictionary.TranslateText(key);
        return translated == key ? fixed : translated;
    };
    LblWebSite->SetCaption(text(QStringLiteral("AboutWebSites"), WebSiteText(german)));
    LblDescription->SetCaption(text(QStringLiteral("AboutDescription"), DescriptionText(german)));
}

void TFrmAbout::FormShow(QObject*) {
    LblHomePage->setVisible(true);
    BButOK->setFocus(Qt::OtherFocusReason);
}

void TFrmAbout::LblHomePageClick(QObject*) {
    FLinkOpener.Open(FHomePageAddress);
}

void TFrmAbout::LblSimusClick(QObject*) {
    FLinkOpener.Open(SimulationsAddress);
}

void TFrmAbout::LblHomePageMouseMove(QObject*, TShiftState, int, int) {
    LblHomePage->Font()->SetColor(clRed);
}

void TFrmAbout::LblSimusMouseMove(QObject*, TShiftState, int, int) {
    LblSimus->Font()->SetColor(clRed);
}

void TFrmAbout::Panel2MouseMove(QObject*, TShiftState, int, int) {
    LblHomePage->Font()->SetColor(clBlue);
    LblSimus->Font()->SetColor(clBlue);
}

void TFrmAbout::BButOKClick(QObject*) {
    Close();
}
