// SPDX-License-Identifier: MIT
// The projector look of the main window: every ground white, the displays and the charts' axes in
// bold (the buttons and texts keep their font, so that every text still fits), thicker strokes in
// the scene and larger marks in the energy chart. Every text then stands black or navy on white, far
// above 4.5:1.

#include "ugravilo.h"

#include <functional>
#include <utility>
#include <vector>

namespace {

// every ground the projector whitens: how it is read and how it is set
using TGround = std::pair<std::function<TColor()>, std::function<void(TColor)>>;

std::vector<TGround> Grounds(TForm1& f) {
    std::vector<TGround> grounds = {
        {[&f] { return f.Color(); }, [&f](TColor c) { f.SetColor(c); }},
        {[&f] { return f.Panel1->Color(); }, [&f](TColor c) { f.Panel1->SetColor(c); }},
        {[&f] { return f.MMExplain->Color(); }, [&f](TColor c) { f.MMExplain->SetColor(c); }},
    };
    for (TPlotica* chart : {f.PLPict, f.PLEnerg}) {
        grounds.push_back(
            {[chart] { return chart->WindColor(); }, [chart](TColor c) { chart->SetWindColor(c); }});
        grounds.push_back({[chart] { return chart->ShadowBakColor(); },
                           [chart](TColor c) { chart->SetShadowBakColor(c); }});
    }
    for (TNumora* label : {f.NLblMasse, f.NLblHeight, f.NLblEnergie}) {
        grounds.push_back(
            {[label] { return label->ColorLabBakG(); }, [label](TColor c) { label->SetColorLabBakG(c); }});
        grounds.push_back(
            {[label] { return label->ColorOutBakG(); }, [label](TColor c) { label->SetColorOutBakG(c); }});
    }
    return grounds;
}

}  // namespace

void TForm1::SetProjectorLook(bool on) {
    if (on == FProjectorLook) return;
    FProjectorLook = on;
    // white over the grounds the window was built with, and those again when it ends
    const std::vector<TGround> grounds = Grounds(*this);
    if (on) FBuiltGrounds.clear();
    for (std::size_t i = 0; i < grounds.size(); ++i) {
        if (on) FBuiltGrounds.push_back(grounds[i].first());
        grounds[i].second(on ? clWhite : FBuiltGrounds[i]);
    }
    for (TPlotica* chart : {PLPict, PLEnerg}) {
        // the captions, and the axes' numbers
        chart->Font()->SetBold(on);
        for (TScaleProps* axis :
             {static_cast<TScaleProps*>(chart->Scale1X()), static_cast<TScaleProps*>(chart->Scale1Y())})
            axis->Font()->SetBold(on);
    }
    // the small displays have fonts of their own (the energy's is bold already)
    for (TNumora* label : {NLblMasse, NLblHeight}) label->Font()->SetBold(on);
    // marks added from now on are drawn with the thicker pen
    PLEnerg->SetLineWidth(on ? 2 : 1);
    if (FStarted) DrawScene();
    PLEnerg->ShowItems();
}
