// SPDX-License-Identifier: MIT
#pragma once
// The saved picture of a render pass stopped at a stable prefix of the display list.
//
// A chart whose list only grew or shrank at its end since the last render need not draw the
// whole list again: the checkpoint holds the data area as it stood after the first Count items
// (background, grid and items; text labels, frame and cross-hairs come later in every pass)
// together with the pass's state at that point. A render copies the picture, resumes the pass
// and draws the remaining items, and the pixels are those of a full pass.
//
// The picture is only valid for the settings it was drawn with: everything the background, the
// grid and the items depend on is kept in a key and compared before the picture is used.

#include <QFont>
#include <QRgb>
#include <QString>
#include <array>
#include <vector>

#include "ItemRenderer.h"
#include "PloticaMapping.h"
#include "PloticaTypes.h"
#include "TBitmap.h"

class TItemList;

// What the picture of the items drawn so far depends on, besides the items themselves.
struct TDataPictureKey {
    int Width = 0;  // data bitmap
    int Height = 0;
    double Scale = 1.0;  // device pixels per pixel
    int OffsetX = 0;     // margins
    int OffsetY = 0;
    std::array<TLayerMapping, PloticaLayerCount + 1> Layers{};
    std::array<bool, PloticaLayerCount + 1> LayerVisible{};
    std::array<bool, 256> ClassVisible{};
    QRgb ChartColor = 0;  // colours as drawn (system colours resolved)
    QRgb FrameColor = 0;
    int StartPenWidth = 1;
    QString FontName;
    int TextFontStyle = 0;
    int TextBkStyle = 0;
    QRgb TextBkColor = 0;
    int TextAlignment = 0;
    QFont StartFont;
    // marked area of the background
    int AreaMode = 0;
    QRgb AreaColor = 0;
    std::array<double, 4> Area{};
    // grid
    int GridStyle = 0;
    QRgb GridColor = 0;
    double GridDx = 0;
    double GridDy = 0;
    int GridLayer = 0;
    std::array<double, 4> GridRanges{};
    std::array<bool, 2> GridLog{};
    std::vector<double> GridTicksX;
    std::vector<double> GridTicksY;

    bool operator==(const TDataPictureKey&) const = default;
};

struct TRenderCheckpoint {
    TBitmap Picture;         // the data area after items [0, Count)
    TItemRenderState State;  // the pass as it stood there
    int Count = 0;
    const TItemList* List = nullptr;
    TDataPictureKey Key;
    bool Valid = false;
};
