// Dragging a cross-hair or a text label with the mouse: the first movement of the drag picks the
// nearest one, every following movement moves it to the pointer, wherever over the control.

#include "Rounding.h"
#include "TCrossHair.h"
#include "TCustomPlotica.h"
#include "TTextLabel.h"

namespace {

double Square(double v) {
    return v * v;
}

}  // namespace

// The nearest line wins: a vertical line by its x distance, a horizontal one by its y distance;
// ties keep the lower number, and with no line shown cross-hair 1 is taken.
void TCustomPlotica::PickCrossHair(int x, int y) {
    FActiveCrossHair = 1;
    double best = 1.7e308;
    for (int i = 1; i <= PloticaCrossHairCount; ++i) {
        const TCrossHair& ch = *FCrossHairs[i];
        const QPoint p = WorldToPixel(ch.Layer(), ch.PosX(), ch.PosY());
        if (ch.Mode() == chVert || ch.Mode() == chBoth) {
            const double d = Square(p.x() - double(x));
            if (d < best) {
                FActiveCrossHair = i;
                best = d;
            }
        }
        if (ch.Mode() == chHoriz || ch.Mode() == chBoth) {
            const double d = Square(p.y() - double(y));
            if (d < best) {
                FActiveCrossHair = i;
                best = d;
            }
        }
    }
}

void TCustomPlotica::CrossHairStep(int x, int y) {
    TCrossHair* ch = FCrossHairs[FActiveCrossHair];
    double wx, wy;
    PixelToWorld(ch->Layer(), x, y, wx, wy);
    // one repaint for both coordinates
    const bool wasSuppressed = PaintSuppressed();
    SetPaintSuppressed(true);
    ch->SetPosX(wx);
    ch->SetPosY(wy);
    SetPaintSuppressed(wasSuppressed);
    Fire(OnCrossHairMove, this, ch);
}

// Only shown labels compete; each is found where it is drawn, by what its position is attached to.
void TCustomPlotica::PickTextLabel(int x, int y) {
    FActiveTextLabel = 1;
    double best = 1.7e308;
    for (int i = 1; i <= PloticaTextLabelCount; ++i) {
        const TTextLabel& tl = *FTextLabels[i];
        if (tl.Mode() == tlOff || !tl.Visible()) continue;
        const QPoint world = WorldToPixel(tl.Layer(), tl.PosX(), tl.PosY());
        const double rx = double(Vexa::RoundHalfEven(tl.PosX()));
        const double ry = double(Vexa::RoundHalfEven(tl.PosY()));
        const TTxtLblAttachMode a = tl.AttachToData();
        const double px = a == tlamXOnly || a == tlamBoth ? world.x() : rx;
        const double py = a == tlamYOnly || a == tlamBoth ? world.y() : ry;
        const double d = Square(px - x) + Square(py - y);
        if (d < best) {
            FActiveTextLabel = i;
            best = d;
        }
    }
}

void TCustomPlotica::TextLabelStep(int x, int y) {
    TTextLabel* tl = FTextLabels[FActiveTextLabel];
    double wx, wy;
    PixelToWorld(tl->Layer(), x, y, wx, wy);
    const TTxtLblAttachMode a = tl->AttachToData();
    const bool wasSuppressed = PaintSuppressed();
    SetPaintSuppressed(true);
    tl->SetPosX(a == tlamXOnly || a == tlamBoth ? wx : x);
    tl->SetPosY(a == tlamYOnly || a == tlamBoth ? wy : y);
    SetPaintSuppressed(wasSuppressed);
    Fire(OnTextLabelMove, this, tl);
}
