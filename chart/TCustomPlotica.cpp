// SPDX-License-Identifier: MIT
#include "TCustomPlotica.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>
#include <cmath>

#include "PloticaAccessible.h"
#include "PloticaAxes.h"
#include "PloticaPrivate.h"
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

// The settings objects in the order a chart owns them: cross-hairs, text labels, background image,
// joint layers; the scale properties of the layers follow (SetLayerDefaults).
TPloticaPrivate::TPloticaPrivate(TCustomPlotica& chart)
    : q(chart), Items(std::make_shared<TItemList>()), Font(std::make_unique<TFont>()) {
    ClassVisible.fill(true);
    LayerVisible.fill(true);
    MouseLayers[1] = true;
    Font->OnChange = [this](TFont*) { q.RepaintIfAuto(); };
    for (int n = 1; n <= PloticaCrossHairCount; ++n) {
        auto* ch = new TCrossHair(&q);
        ch->SetLayer(n);
        ch->OnChange = [this](TCrossHair*) { q.RefreshDependent(); };
        CrossHairs[n] = ch;
    }
    for (int n = 1; n <= PloticaTextLabelCount; ++n) {
        // the chart's own defaults for its labels, beside those of the class
        auto* tl = new TTextLabel(&q);
        tl->SetPosX(0);
        tl->SetPosY(0);
        tl->SetShadowDx(3);
        tl->SetShadowDy(3);
        tl->SetAttachToData(tlamBoth);
        tl->SetColorBkg(0xFFFFFF);
        tl->SetFont(*Font);
        tl->SetMode(tlBox);
        tl->SetVisible(false);
        tl->OnChange = [this](TCustomTextLabel*) { q.RefreshDependent(); };
        TextLabels[n] = tl;
    }
    BackGroundImg = new TBakGndImg(&q);
    BackGroundImg->OnChange = [this](TBakGndImg*) { q.RefreshDependent(); };
    JointLayers = new TJointLayers(&q);
    JointLayers->OnChange = [this](TJointLayers*) { q.RefreshDependent(); };
    JointLayers->OnJoined = [this](TJointLayers::TAxis axis, int n, int c) {
        // the joined layer takes the controlling layer's range of that axis at once
        if (axis == TJointLayers::axX)
            q.ApplyLayerRanges(n, ScaleX[c]->RangeLow(), ScaleX[c]->RangeHigh(), ScaleY[n]->RangeLow(),
                               ScaleY[n]->RangeHigh());
        else
            q.ApplyLayerRanges(n, ScaleX[n]->RangeLow(), ScaleX[n]->RangeHigh(), ScaleY[c]->RangeLow(),
                               ScaleY[c]->RangeHigh());
    };
    Background = std::make_unique<TBackgroundPart>(*BackGroundImg);
    Labels = std::make_unique<TTextLabelsPart>(TextLabels);
    Hairs = std::make_unique<TCrossHairsPart>(CrossHairs);
    Pan = std::make_unique<TPanTool>(q);
    ZoomDrag = std::make_unique<TZoomDragTool>(q);
    ZoomWindow = std::make_unique<TZoomWindowTool>(q);
    CrossHairDrag = std::make_unique<TCrossHairDragTool>(q, *this, *Hairs);
    TextLabelDrag = std::make_unique<TTextLabelDragTool>(q, *this, *Labels);
    ScratchBmp.SetSize(10, 10);
    ScreenAspect(AspectX, AspectY);
}

TPloticaPrivate::~TPloticaPrivate() = default;

TCustomPlotica::TCustomPlotica(QWidget* parent)
    : TPaintedControl(parent), d(std::make_unique<TPloticaPrivate>(*this)) {
    d->Axes = std::make_unique<TPloticaAxes>(*this);
    d->SetLayerDefaults();
    SetBounds(x(), y(), DefaultWidth, DefaultHeight);
    SetStandardLayout(pll_X1Bottom_Y1Left);
    d->Axes->Embed();
    d->Axes->SetSizes(width(), height());
    d->ForwardAllAxes();
    d->Axes->SetAllMargins();
    PloticaAccessible::Install();
}

TCustomPlotica::~TCustomPlotica() {
    // no chart may keep a reference to this one
    if (d->UseDataOf) d->UseDataOf->d->RemoveSharer(this);
    d->UseDataOf = nullptr;
    for (int i = 0; i < d->SharerCount; ++i) {
        TPloticaPrivate& sharer = *d->Sharers[i]->d;
        auto own = std::make_shared<TItemList>();
        own->CopyFrom(*d->Items);
        sharer.Items = std::move(own);
        sharer.UseDataOf = nullptr;
    }
    d->SharerCount = 0;
    // the settings objects must not call back into a chart being destroyed
    for (int n = 1; n <= PloticaLayerCount; ++n) {
        if (d->ScaleX[n]) d->ScaleX[n]->OnChange = nullptr;
        if (d->ScaleY[n]) d->ScaleY[n]->OnChange = nullptr;
    }
    for (auto* ch : d->CrossHairs)
        if (ch) ch->OnChange = nullptr;
    for (auto* tl : d->TextLabels)
        if (tl) tl->OnChange = nullptr;
    d->BackGroundImg->OnChange = nullptr;
    d->JointLayers->OnChange = nullptr;
    d->JointLayers->OnJoined = nullptr;
    d->Font->OnChange = nullptr;
    d->Axes.reset();
}

void TPloticaPrivate::SetLayerDefaults() {
    static constexpr std::array<TColor, PloticaLayerCount> LayerColors{
        clBlack,  clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal, clGray,
        clSilver, clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};
    for (int n = 1; n <= PloticaLayerCount; ++n) {
        auto* x = new TScalePropsHoriz(&q);
        auto* y = new TScalePropsVert(&q);
        ScaleX[n] = x;
        ScaleY[n] = y;
        x->SetColorScale(LayerColors[n - 1]);
        y->SetColorScale(LayerColors[n - 1]);
        // odd layers below and left of the data area, even ones above and right
        x->SetScaleLocation(n % 2 ? slBottom : slTop);
        y->SetScaleLocation(n % 2 ? slLeft : slRight);
        x->SetScalePos(((n - 1) / 2) * 30);
        y->SetScalePos(((n - 1) / 2) * 50);
        x->OnChange = [this](TScaleProps*) { q.ScaleChanged(); };
        y->OnChange = [this](TScaleProps*) { q.ScaleChanged(); };
    }
}

void TCustomPlotica::Loaded() {
    TPaintedControl::Loaded();
    if (d->ScaleChangePending) d->ApplyScaleChanges();
    d->ForwardAllAxes();
    d->FinishLoadingAxes();
    UpdateScaling();
    Paint();
}

void TCustomPlotica::showEvent(QShowEvent* event) {
    TPaintedControl::showEvent(event);
    // a chart nobody loaded (made in code, or by a form loader) keeps the axes' rules from its
    // first showing on
    if (!IsLoading()) d->FinishLoadingAxes();
    if (!d->WindowCreated) CreateWnd();
}

void TCustomPlotica::HandleNeeded() {
    if (!d->WindowCreated) CreateWnd();
}

void TCustomPlotica::CreateWnd() {
    d->WindowCreated = true;
    SetPaintSuppressed(false);
}

bool TCustomPlotica::PaintSuppressed() const {
    return d->PaintSuppressed;
}

void TCustomPlotica::SetPaintSuppressed(bool v) {
    if (v == d->PaintSuppressed) return;
    d->PaintSuppressed = v;
    if (!v) Paint();
}

void TCustomPlotica::RepaintIfAuto() {
    if (d->AutoRedraw || IsDesigning()) Paint();
}

void TCustomPlotica::RefreshDependent() {
    RepaintIfAuto();
}

int TCustomPlotica::AspectX() const {
    return d->AspectX;
}
int TCustomPlotica::AspectY() const {
    return d->AspectY;
}

TChartView TPloticaPrivate::View(QPoint origin) const {
    TChartView v;
    v.Width = q.width();
    v.Height = q.height();
    v.MarginLeft = MarginLeft;
    v.MarginRight = MarginRight;
    v.MarginTop = MarginTop;
    v.MarginBottom = MarginBottom;
    v.ShadowWidth = ShadowWidth;
    v.Origin = origin;
    v.Layers = Mapping.data();
    v.LayerVisible = LayerVisible.data();
    v.CurrentLayer = CurrentLayer;
    v.AxisX = ScaleX[CurrentLayer];
    v.AxisY = ScaleY[CurrentLayer];
    v.Axes = Axes.get();
    v.ChartColor = ChartColor;
    v.ChartFrameColor = ChartFrameColor;
    v.Font = Font.get();
    return v;
}

// From the top of the picture down: cross-hairs, text labels, grid, data-area background, frame.
const TChartPart* TPloticaPrivate::PartAt(QPoint pixel) const {
    const TChartView view = View();
    const std::array<const TChartPart*, 5> parts{Hairs.get(), Labels.get(), &Grid, Background.get(), &Frame};
    for (const TChartPart* part : parts)
        if (part->Contains(view, pixel)) return part;
    return nullptr;
}

// ---- settings objects -------------------------------------------------------------------------

TScalePropsHoriz* TCustomPlotica::ScalePropsX(int layer) const {
    return d->ScaleX[layer >= 1 && layer <= PloticaLayerCount ? layer : 1];
}

TScalePropsVert* TCustomPlotica::ScalePropsY(int layer) const {
    return d->ScaleY[layer >= 1 && layer <= PloticaLayerCount ? layer : 1];
}

TCrossHair* TCustomPlotica::CrossHair(int n) const {
    return d->Hairs->CrossHair(n);
}

void TCustomPlotica::SetCrossHair(int n, TCrossHair* v) {
    if (TCrossHair* own = CrossHair(n); own && v)
        own->Assign(*v);  // notifies: repaints when AutoRedraw is on
}

TTextLabel* TCustomPlotica::TextLabel(int n) const {
    return d->Labels->Label(n);
}

TScale* TCustomPlotica::AxisControl(int layer, bool horizontal) const {
    return d->Axes->Control(layer, horizontal);
}

TBakGndImg* TCustomPlotica::BackGroundImg() const {
    return d->BackGroundImg;
}

void TCustomPlotica::SetBackGroundImg(TBakGndImg* v) {
    if (v) d->BackGroundImg->Assign(*v);
}

TJointLayers* TCustomPlotica::JointLayers() const {
    return d->JointLayers;
}

void TCustomPlotica::SetJointLayers(TJointLayers* v) {
    if (v) d->JointLayers->Assign(v);
}

TFont* TCustomPlotica::Font() const {
    return d->Font.get();
}

bool TCustomPlotica::InDataArea(int x, int y) const {
    return d->View().InDataArea(QPoint(x, y));
}
