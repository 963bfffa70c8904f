#include "TCustomPlotica.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>
#include <cmath>

#include "PloticaAxes.h"
#include "TBakGndImg.h"
#include "TCrossHair.h"
#include "TFont.h"
#include "TItemList.h"
#include "TJointLayers.h"
#include "TScaleProps.h"
#include "TTextLabel.h"

namespace {

// The classic aspect values are the device's dots per inch; without a screen, 36 each.
void ScreenAspect(int& ax, int& ay) {
    ax = ay = 36;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        ax = std::max(1, int(std::lround(screen->logicalDotsPerInchX())));
        ay = std::max(1, int(std::lround(screen->logicalDotsPerInchY())));
    }
}

}  // namespace

TCustomPlotica::TCustomPlotica(QWidget* parent)
    : TPaintedControl(parent), FItems(std::make_shared<TItemList>()), FFont(std::make_unique<TFont>()) {
    // construction in the order the settings depend on each other; nothing paints until the
    // window exists
    FPaintSuppressed = true;
    FStandardLayout = pll_X1Bottom_Y1Left;
    FMarginLeft = 50;
    FMarginRight = 10;
    FMarginTop = 16;
    FMarginBottom = 32;
    FShadowWidth = 0;
    FCurrentLayer = 1;
    FMouseLayers.fill(false);
    FMouseLayers[1] = true;
    FLayerVisible.fill(true);
    FClassVisible.fill(true);
    FCaptionPosX = 0;
    FCaptionPosY = -15;

    FFont->OnChange = [this](TFont*) { RepaintIfAuto(); };
    for (int n = 1; n <= PloticaCrossHairCount; ++n) {
        auto* ch = new TCrossHair(this);
        ch->SetLayer(n);
        ch->OnChange = [this](TCrossHair*) { RefreshDependent(); };
        FCrossHairs[n] = ch;
    }
    for (int n = 1; n <= PloticaTextLabelCount; ++n) {
        auto* tl = new TTextLabel(this);
        tl->SetPosX(0);
        tl->SetPosY(0);
        tl->SetShadowDx(3);
        tl->SetShadowDy(3);
        tl->SetAttachToData(tlamBoth);
        tl->SetColorBkg(0xFFFFFF);
        tl->SetFont(*FFont);
        tl->SetMode(tlBox);
        tl->SetVisible(false);
        tl->OnChange = [this](TCustomTextLabel*) { RefreshDependent(); };
        FTextLabels[n] = tl;
    }
    FBackGroundImg = new TBakGndImg(this);
    FBackGroundImg->OnChange = [this](TBakGndImg*) { RefreshDependent(); };
    FJointLayers = new TJointLayers(this);
    FJointLayers->OnChange = [this](TJointLayers*) { RefreshDependent(); };
    FJointLayers->OnJoined = [this](TJointLayers::TAxis axis, int n, int d) {
        // the joined layer takes the controlling layer's range of that axis at once
        if (axis == TJointLayers::axX)
            ApplyLayerRanges(n, FScaleX[d]->RangeLow(), FScaleX[d]->RangeHigh(), FScaleY[n]->RangeLow(),
                             FScaleY[n]->RangeHigh());
        else
            ApplyLayerRanges(n, FScaleX[n]->RangeLow(), FScaleX[n]->RangeHigh(), FScaleY[d]->RangeLow(),
                             FScaleY[d]->RangeHigh());
    };
    // the cursors of the mouse modes are drawn on first use (PloticaCursors)

    SizeDataBitmap();
    FControlBmp.SetSize(std::max(width(), 1), std::max(height(), 1));
    FScratchBmp.SetSize(10, 10);
    FImageBmp.SetSize(10, 10);
    ScreenAspect(FAspectX, FAspectY);

    FAxes = std::make_unique<TPloticaAxes>(*this);
    SetLayerDefaults();
    SetBounds(x(), y(), 280, 200);
    SetStandardLayout(pll_X1Bottom_Y1Left);
    FAxes->Embed();
    FAxes->SetSizes(width(), height());
    ForwardAllAxes();
    FAxes->SetAllMargins();
}

TCustomPlotica::~TCustomPlotica() {
    // no chart may keep a reference to this one
    if (FUseDataOf) FUseDataOf->RemoveSharer(this);
    FUseDataOf = nullptr;
    for (int i = 0; i < FSharerCount; ++i) {
        TCustomPlotica* sharer = FSharers[i];
        auto own = std::make_shared<TItemList>();
        own->CopyFrom(*FItems);
        sharer->FItems = std::move(own);
        sharer->FUseDataOf = nullptr;
    }
    FSharerCount = 0;
    // the settings objects must not call back into a chart being destroyed
    for (int n = 1; n <= PloticaLayerCount; ++n) {
        if (FScaleX[n]) FScaleX[n]->OnChange = nullptr;
        if (FScaleY[n]) FScaleY[n]->OnChange = nullptr;
    }
    for (auto* ch : FCrossHairs)
        if (ch) ch->OnChange = nullptr;
    for (auto* tl : FTextLabels)
        if (tl) tl->OnChange = nullptr;
    FBackGroundImg->OnChange = nullptr;
    FJointLayers->OnChange = nullptr;
    FJointLayers->OnJoined = nullptr;
    FFont->OnChange = nullptr;
    FAxes.reset();
}

void TCustomPlotica::SetLayerDefaults() {
    static constexpr std::array<TColor, PloticaLayerCount> LayerColors{
        clBlack,  clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal, clGray,
        clSilver, clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};
    for (int n = 1; n <= PloticaLayerCount; ++n) {
        auto* x = new TScalePropsHoriz(this);
        auto* y = new TScalePropsVert(this);
        FScaleX[n] = x;
        FScaleY[n] = y;
        x->SetColorScale(LayerColors[n - 1]);
        y->SetColorScale(LayerColors[n - 1]);
        // odd layers below and left of the data area, even ones above and right
        x->SetScaleLocation(n % 2 ? slBottom : slTop);
        y->SetScaleLocation(n % 2 ? slLeft : slRight);
        x->SetScalePos(((n - 1) / 2) * 30);
        y->SetScalePos(((n - 1) / 2) * 50);
        x->OnChange = [this](TScaleProps*) { ScaleChanged(); };
        y->OnChange = [this](TScaleProps*) { ScaleChanged(); };
    }
}

void TCustomPlotica::Loaded() {
    TPaintedControl::Loaded();
    ForwardAllAxes();
    for (int n = 1; n <= PloticaLayerCount; ++n) {
        FScaleX[n]->SetLoadingProps(false);
        FScaleY[n]->SetLoadingProps(false);
    }
    UpdateScaling();
    Paint();
}

void TCustomPlotica::showEvent(QShowEvent* event) {
    TPaintedControl::showEvent(event);
    if (!FWindowCreated) CreateWnd();
}

void TCustomPlotica::HandleNeeded() {
    if (!FWindowCreated) CreateWnd();
}

void TCustomPlotica::CreateWnd() {
    FWindowCreated = true;
    SetPaintSuppressed(false);
}

void TCustomPlotica::SetPaintSuppressed(bool v) {
    if (v == FPaintSuppressed) return;
    FPaintSuppressed = v;
    if (!v) Paint();
}

void TCustomPlotica::RepaintIfAuto() {
    if (FAutoRedraw || IsDesigning()) Paint();
}

void TCustomPlotica::RefreshDependent() {
    RepaintIfAuto();
}

// ---- settings objects -------------------------------------------------------------------------

TScalePropsHoriz* TCustomPlotica::ScalePropsX(int layer) const {
    return FScaleX[layer >= 1 && layer <= PloticaLayerCount ? layer : 1];
}

TScalePropsVert* TCustomPlotica::ScalePropsY(int layer) const {
    return FScaleY[layer >= 1 && layer <= PloticaLayerCount ? layer : 1];
}

TCrossHair* TCustomPlotica::CrossHair(int n) const {
    return n >= 1 && n <= PloticaCrossHairCount ? FCrossHairs[n] : nullptr;
}

void TCustomPlotica::SetCrossHair(int n, TCrossHair* v) {
    if (n < 1 || n > PloticaCrossHairCount || !v) return;
    FCrossHairs[n]->Assign(*v);  // notifies: repaints when AutoRedraw is on
}

TTextLabel* TCustomPlotica::TextLabel(int n) const {
    return n >= 1 && n <= PloticaTextLabelCount ? FTextLabels[n] : nullptr;
}

TScale* TCustomPlotica::AxisControl(int layer, bool horizontal) const {
    return FAxes->Control(layer, horizontal);
}

void TCustomPlotica::SetBackGroundImg(TBakGndImg* v) {
    if (v) FBackGroundImg->Assign(*v);
}

void TCustomPlotica::SetJointLayers(TJointLayers* v) {
    if (v) FJointLayers->Assign(v);
}

// ---- look: every setter stores and repaints ---------------------------------------------------

#define PLOTICA_SETTER(Name, Type, Field)    \
    void TCustomPlotica::Set##Name(Type v) { \
        Field = v;                           \
        RepaintIfAuto();                     \
    }
PLOTICA_SETTER(ShadowStyle, TShadowStyle, FShadowStyle)
PLOTICA_SETTER(ShadowColor, TColor, FShadowColor)
PLOTICA_SETTER(ShadowBakColor, TColor, FShadowBakColor)
PLOTICA_SETTER(ChartColor, TColor, FChartColor)
PLOTICA_SETTER(WindColor, TColor, FWindColor)
PLOTICA_SETTER(ChartFrameColor, TColor, FChartFrameColor)
PLOTICA_SETTER(GridColor, TColor, FGridColor)
PLOTICA_SETTER(GridStyle, GridStyleType, FGridStyle)
PLOTICA_SETTER(Caption, const QString&, FCaption)
PLOTICA_SETTER(CaptionPosX, int, FCaptionPosX)
PLOTICA_SETTER(CaptionPosY, int, FCaptionPosY)
PLOTICA_SETTER(CaptionAlignment, TAlignment, FCaptionAlignment)
PLOTICA_SETTER(CaptionAnchorHoriz, TCaptionAnchorHoriz, FCaptionAnchorHoriz)
PLOTICA_SETTER(CaptionAnchorVert, TCaptionAnchorVert, FCaptionAnchorVert)
PLOTICA_SETTER(TextFontStyle, TFontStyles, FTextFontStyle)
PLOTICA_SETTER(TextBkStyle, TTextBkg, FTextBkStyle)
PLOTICA_SETTER(TextBkColor, TColor, FTextBkColor)
PLOTICA_SETTER(TextAlignment, TAlignment, FTextAlignment)
#undef PLOTICA_SETTER

void TCustomPlotica::SetGridDx(double v) {
    if (v < -3) return;
    FGridDx = v;
    RepaintIfAuto();
}

void TCustomPlotica::SetGridDy(double v) {
    if (v < -3) return;
    FGridDy = v;
    RepaintIfAuto();
}

bool TCustomPlotica::InDataArea(int x, int y) const {
    return x >= FMarginLeft && x <= width() - FMarginRight - FShadowWidth && y >= FMarginTop &&
           y <= height() - FMarginBottom - FShadowWidth;
}
