// SPDX-License-Identifier: MIT
// The main window's components and their settings, built in their declared order while the form
// loads. The host link is one of them: when the form has been loaded it reads the language file
// and translates every marked text ("GL_...").

#include <QApplication>
#include <QStyle>
#include <QTextDocument>

#include "Keyboard.h"
#include "Pictures.h"
#include "SpokenTexts.h"
#include "TControlAlign.h"
#include "TKeptTexts.h"
#include "ugravilo.h"

namespace {

constexpr int WindowWidth = 718;
constexpr int WindowHeight = 642;
constexpr int PanelHeight = 110;
constexpr int MemoHeight = 122;
constexpr int SceneWidth = 326;

template <typename T>
T* Named(TLoadingScope& loading, T* component, const char* name) {
    loading.Add(component);
    component->setObjectName(QString::fromLatin1(name));
    return component;
}

template <typename T>
T* Placed(TLoadingScope& loading, QWidget* parent, const char* name, int left, int top, int width,
          int height) {
    T* control = Named(loading, new T(parent), name);
    control->setGeometry(left, top, width, height);
    return control;
}

QIcon StandardIcon(QStyle::StandardPixmap which) {
    return QApplication::style()->standardIcon(which);
}

// the settings both small numeric labels share; the energy label starts from them too
void SetNumericLabel(TNumora* label, const QString& leftText, const QString& rightText, double value) {
    label->SetDisplayType(dtFixP);
    label->SetPrecision(1);
    label->SetLabelWidth(60);
    label->SetLeftSpace(50);
    label->SetAlignment(taCenter);
    label->SetLeftTextAlignment(taRightJustify);
    label->SetRightTextAlignment(taLeftJustify);
    label->SetFrameStyle(fsLowered);
    label->SetColorScheme(csBWG);
    label->SetColorLabBakG(clInfoBk);
    label->SetColorOutBakG(clBtnFace);
    label->SetColorLabText(clBlack);
    label->SetColorOutText(clBlack);
    label->SetLeftText(leftText);
    label->SetRightText(rightText);
    label->SetValue(value);
}

}  // namespace

TForm1::TForm1(const TLinkSetup& linkSetup, QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("Form1"));
    SetCaption(QStringLiteral("GL_Potential Energy in a Gravitational Field"));
    Font()->SetName(QStringLiteral("MS Sans Serif"));
    Font()->SetHeight(14);
    SetBorderStyle(bsDialog);
    SetClientSize(WindowWidth, WindowHeight);
    setWindowIcon(GraviloIcon());
    BuildComponents(linkSetup);
    WireHandlers();
    FKeyboard = new TKeyboard(*this);
    FSpokenTexts = new TSpokenTexts(*this);
    TGlossator* dictionary = cliDemon ? cliDemon->Translator() : nullptr;
    FKeyboard->Translate(dictionary);
    FSpokenTexts->Translate(dictionary);
    ApplyNumberStyle();
}

// The scene's last focus change comes as the window closes, while the window is half gone: the
// keyboard no longer hears it then.
TForm1::~TForm1() {
    PLPict->removeEventFilter(FKeyboard);
}

void TForm1::BuildComponents(const TLinkSetup& linkSetup) {
    TLoadingScope loading;
    Panel1 = Placed<TPanel>(loading, this, "Panel1", 0, 0, WindowWidth, PanelHeight);
    SetControlAlign(Panel1, alTop);

    PLPict = Placed<TPlotica>(loading, this, "PLPict", 0, PanelHeight, SceneWidth, 410);
    SetChartDefaults(PLPict);
    SetSceneChart();
    PLPict->SetAlign(alLeft);

    BuildPanelControls(loading);

    cliDemon = Named(loading, new TqmrDemonClient(this), "cliDemon");
    cliDemon->SetAutoTranslate(true);
    cliDemon->SetAutoCreateItlFile(false);
    cliDemon->SetMultiStart(false);
    cliDemon->SetUseTessaroServer(false);
    FKeptTexts = TKeptTexts::Attach(*cliDemon->Translator());
    if (linkSetup) linkSetup(*cliDemon);

    BButAbout = Placed<TBitBtn>(loading, Panel1, "BButAbout", 8, 42, 105, 29);
    BButAbout->SetCaption(QStringLiteral("GL_About"));
    BButAbout->SetGlyph(StandardIcon(QStyle::SP_MessageBoxInformation));

    MMExplain =
        Placed<TMemo>(loading, this, "MMExplain", 0, WindowHeight - MemoHeight, WindowWidth, MemoHeight);
    MMExplain->SetColor(clInfoBk);
    // narrow margins, as a classic memo has: the seven lines of the explanation fit without scrolling
    MMExplain->document()->setDocumentMargin(2);
    MMExplain->SetLines({QStringLiteral("GL_MMExplain")});
    SetControlAlign(MMExplain, alBottom);

    BButReset = Placed<TBitBtn>(loading, Panel1, "BButReset", 8, 76, 105, 29);
    BButReset->SetCaption(QStringLiteral("GL_Reset"));
    BButReset->SetGlyph(StandardIcon(QStyle::SP_BrowserReload));

    PLEnerg = Placed<TPlotica>(loading, this, "PLEnerg", SceneWidth, PanelHeight, 392, 410);
    SetChartDefaults(PLEnerg);
    SetEnergyChart();
    PLEnerg->SetAlign(alClient);
    loading.End();
}

// Exit, the three numeric labels, the scroll bar, the radio group and the timer: the components
// declared between the scene chart and the host link.
void TForm1::BuildPanelControls(TLoadingScope& loading) {
    SButExit = Placed<TSpeedButton>(loading, Panel1, "SButExit", 8, 8, 105, 29);
    SButExit->SetCaption(QStringLiteral("GL_Exit"));
    SButExit->SetGlyph(StandardIcon(QStyle::SP_DialogCloseButton));

    BuildNumericLabels(loading);

    SBarMasse = Placed<TScrollBar>(loading, Panel1, "SBarMasse", 278, 39, 120, 16);
    SBarMasse->SetPageSize(0);
    SBarMasse->SetParams(10, 1, 100);

    RGAccel = Placed<TRadioGroup>(loading, Panel1, "RGAccel", 130, 10, 120, 90);
    RGAccel->SetCaption(QStringLiteral("GL_Acceleration"));
    RGAccel->SetItems({QStringLiteral("GL_Earth"), QStringLiteral("GL_Moon"), QStringLiteral("GL_Mars"),
                       QStringLiteral("GL_Jupiter")});
    RGAccel->SetItemIndex(0);

    Timer1 = Named(loading, new TTimer(this), "Timer1");
    Timer1->SetEnabled(false);
    Timer1->SetInterval(100);
}

void TForm1::BuildNumericLabels(TLoadingScope& loading) {
    NLblMasse = Named(loading, new TNumora(Panel1), "NLblMasse");
    NLblMasse->SetBounds(258, 10, 179, 22);
    SetNumericLabel(NLblMasse, QStringLiteral("GL_Mass"), QStringLiteral("[kg]"), 10);

    NLblHeight = Named(loading, new TNumora(Panel1), "NLblHeight");
    NLblHeight->SetBounds(258, 77, 179, 22);
    SetNumericLabel(NLblHeight, QStringLiteral("GL_Height"), QStringLiteral("[m]"), 0);

    NLblEnergie = Named(loading, new TNumora(Panel1), "NLblEnergie");
    NLblEnergie->SetBounds(472, 65, 225, 35);
    SetNumericLabel(NLblEnergie, QStringLiteral("GL_Energy"), QStringLiteral("[kJ]"), 0);
    NLblEnergie->SetLabelWidth(80);
    NLblEnergie->SetLeftSpace(90);
    TFont energyFont;
    energyFont.Assign(*Font());
    energyFont.SetHeight(20);
    energyFont.SetBold(true);
    energyFont.SetColor(clNavy);
    NLblEnergie->SetFont(&energyFont);
    NLblEnergie->SetColorLabText(clNavy);
    NLblEnergie->SetColorOutText(clNavy);
}

void TForm1::SetChartDefaults(TPlotica* chart) {
    chart->SetAllocSize(1000);
    chart->SetAutoRedraw(true);
    chart->SetMarginTop(20);
    chart->SetMarginBottom(40);
    chart->SetGridStyle(gsNone);
    chart->SetMouseAction(maNone);
    chart->SetMouseCursorFixed(true);
    chart->SetShadowStyle(ssFlying);
    chart->SetShadowColor(clGrayText);
    chart->SetShadowBakColor(clBtnFace);
    for (int n = 2; n <= 4; ++n) {
        chart->ScalePropsX(n)->SetVisible(false);
        chart->ScalePropsY(n)->SetVisible(false);
    }
}

// The scene: x from -100 to 100 with the rope's axis at 0 and the tower's edge at 100, y the
// height in metres, labelled on the left.
void TForm1::SetSceneChart() {
    PLPict->SetMarginRight(16);
    TScalePropsHoriz* x = PLPict->Scale1X();
    x->SetVisible(false);
    x->SetRangeLow(-100);
    x->SetRangeHigh(100);
    TScalePropsVert* y = PLPict->Scale1Y();
    y->SetVisible(true);
    y->SetScaleLocation(slLeft);
    y->SetCaption(QStringLiteral("[m]"));
    y->SetRangeLow(0);
    y->SetRangeHigh(620);
    y->SetMinTicks(4);
    y->SetShortTicks(false);
}

void TForm1::SetEnergyChart() {
    PLEnerg->SetMarginRight(20);
    PLEnerg->SetCaption(QStringLiteral("GL_Energy / Height"));
    PLEnerg->SetCaptionAlignment(taRightJustify);
    PLEnerg->SetCaptionPosY(-16);
    TScalePropsHoriz* x = PLEnerg->Scale1X();
    x->SetVisible(true);
    x->SetScaleLocation(slBottom);
    x->SetCaption(QStringLiteral("[m]"));
    x->SetRangeLow(0);
    x->SetRangeHigh(500);
    TScalePropsVert* y = PLEnerg->Scale1Y();
    y->SetVisible(true);
    y->SetScaleLocation(slLeft);
    y->SetCaption(QStringLiteral("[kJ]"));
    y->SetRangeLow(0);
    y->SetRangeHigh(500);
}

// The handlers join once the form has been loaded, so nothing draws while it loads.
void TForm1::WireHandlers() {
    using namespace std::placeholders;
    OnShow = [this](QObject* s) { FormShow(s); };
    SButExit->OnClick = [this](QObject* s) { SButExitClick(s); };
    SBarMasse->OnChange = [this](QObject* s) { SBarMasseChange(s); };
    RGAccel->OnClick = [this](QObject* s) { RGAccelClick(s); };
    PLPict->OnMouseMoveInChart = std::bind(&TForm1::PLPictMouseMoveInChart, this, _1, _2, _3, _4, _5);
    PLPict->OnMouseDown = std::bind(&TForm1::PLPictMouseDown, this, _1, _2, _3, _4, _5);
    PLPict->OnMouseUp = std::bind(&TForm1::PLPictMouseUp, this, _1, _2, _3, _4, _5);
    Timer1->OnTimer = [this](QObject* s) { Timer1Timer(s); };
    BButReset->OnClick = [this](QObject* s) { BButResetClick(s); };
    BButAbout->OnClick = [this](QObject* s) { BButAboutClick(s); };
    FSimulation.OnChange = [this](TSimulation::TChange change) { SimulationChanged(change); };
}
