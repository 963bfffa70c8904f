// SPDX-License-Identifier: MIT
// The projector look of the main window: every ground white, the displays and the charts' axes in
// bold (the buttons and texts keep their font, so that every text still fits), thicker strokes in
// the scene and larger marks in the energy chart. Every text then stands black or navy on white, far
// above 4.5:1.

#include "ugravilo.h"

namespace {

// the window's grounds, as the window is built and as the projector has them
struct TGrounds {
    TColor Form, Panel, Memo, Chart, Shadow, Display, Outside;
};
constexpr TGrounds Classic{clBtnFace, clBtnFace, clInfoBk, clBtnFace, clBtnFace, clInfoBk, clBtnFace};
constexpr TGrounds Projector{clWhite, clWhite, clWhite, clWhite, clWhite, clWhite, clWhite};

}  // namespace

void TForm1::SetProjectorLook(bool on) {
    if (on == FProjectorLook) return;
    FProjectorLook = on;
    const TGrounds& g = on ? Projector : Classic;
    SetColor(g.Form);
    Panel1->SetColor(g.Panel);
    MMExplain->SetColor(g.Memo);
    for (TPlotica* chart : {PLPict, PLEnerg}) {
        chart->SetWindColor(g.Chart);
        chart->SetShadowBakColor(g.Shadow);
        // the captions, and the axes' numbers
        chart->Font()->SetBold(on);
        for (TScaleProps* axis :
             {static_cast<TScaleProps*>(chart->Scale1X()), static_cast<TScaleProps*>(chart->Scale1Y())})
            axis->Font()->SetBold(on);
    }
    for (TNumora* label : {NLblMasse, NLblHeight, NLblEnergie}) {
        label->SetColorLabBakG(g.Display);
        label->SetColorOutBakG(g.Outside);
    }
    // the small displays have fonts of their own (the energy's is bold already)
    for (TNumora* label : {NLblMasse, NLblHeight}) label->Font()->SetBold(on);
    // marks added from now on are drawn with the thicker pen
    PLEnerg->SetLineWidth(on ? 2 : 1);
    if (FStarted) DrawScene();
    PLEnerg->ShowItems();
}
