// SPDX-License-Identifier: MIT
#pragma once
// The chart's mark symbols. Marks 0..47 are shapes drawn with the canvas conventions (pixel
// patterns, boxes, circles, triangles, lines); 48..255 are characters of the current font.
//
// A shape depends only on its number, the pen width and the pen style, never on where it lands,
// so each shape is drawn once onto a scratch bitmap and kept as horizontal pixel runs around its
// centre. Drawing a mark then writes those runs straight into the bitmap's scan lines.

#include <QFont>
#include <QRect>
#include <QRgb>
#include <cstdint>
#include <vector>

#include "Enums.h"
#include "TColor.h"

class TCanvas;

constexpr int MarkShapeCount = 48;

// Draws mark shape m (0..47) centred on (x, y) with the canvas's pen (colour, width, style).
// Filled shapes use the pen colour as brush; the brush is left as it was.
void DrawMarkShape(TCanvas& canvas, int m, int x, int y);

struct TMarkRun {
    std::int16_t Dy;
    std::int16_t X0;  // first and last pixel of the run, relative to the centre
    std::int16_t X1;
};

struct TMarkSprite {
    std::vector<TMarkRun> Runs;
    QRect Box;  // relative to the centre; empty when the shape sets no pixel
};

// The sprite of a shape, made on first use and kept for the life of the program (GUI thread only).
const TMarkSprite& MarkSprite(int mark, int penWidth, TPenStyle penStyle);

// The last sprite a pass used, so that runs of equal marks skip the lookup.
struct TMarkCache {
    const TMarkSprite* Sprite = nullptr;
    std::uint32_t Key = 0xFFFFFFFFu;
};

// A sprite's pixels as offsets into one image (rows of a given stride), for the unclipped case.
struct TMarkOffsets {
    static constexpr int Capacity = 64;
    const TMarkSprite* Sprite = nullptr;
    std::ptrdiff_t Stride = 0;
    int Count = 0;  // -1: too many pixels, use the runs
    std::ptrdiff_t Offsets[Capacity];
};

// Writes marks into the scan lines of a canvas's image, clipped to the canvas's clip rectangle.
class TMarkPainter {
public:
    explicit TMarkPainter(TCanvas& canvas);
    // Re-reads the canvas's image (after it was resized) and clip rectangle.
    void Attach();

    void Paint(TMarkCache& cache, int mark, int penWidth, TPenStyle penStyle, int x, int y, QRgb rgb) {
        const std::uint32_t key =
            std::uint32_t(mark) | (std::uint32_t(penWidth) << 8) | (std::uint32_t(penStyle) << 24);
        if (key != cache.Key) {
            cache.Sprite = &MarkSprite(mark, penWidth, penStyle);
            cache.Key = key;
        }
        PaintSprite(*cache.Sprite, x, y, rgb);
    }
    void PaintSprite(const TMarkSprite& sprite, int x, int y, QRgb rgb) {
        const QRect& b = sprite.Box;
        if (x + b.left() >= FClip.left() && x + b.right() <= FClip.right() && y + b.top() >= FClip.top() &&
            y + b.bottom() <= FClip.bottom()) {
            if (FOffsets.Sprite != &sprite) PrepareOffsets(sprite);
            QRgb* centre = reinterpret_cast<QRgb*>(FBits + std::ptrdiff_t(y) * FStride) + x;
            // locals: the pixel stores cannot alias them, so the loop keeps them in registers
            const int count = FOffsets.Count;
            const std::ptrdiff_t* offsets = FOffsets.Offsets;
            if (count >= 0) {
                for (int i = 0; i < count; ++i) centre[offsets[i]] = rgb;
                return;
            }
            for (const TMarkRun& r : sprite.Runs) {
                QRgb* line = reinterpret_cast<QRgb*>(FBits + std::ptrdiff_t(y + r.Dy) * FStride) + x;
                for (int i = r.X0; i <= r.X1; ++i) line[i] = rgb;
            }
            return;
        }
        PaintClipped(sprite, x, y, rgb);
    }

    // A character mark: the character with code m (Windows-1252) in the font, centred on (x, y).
    void PaintCharacter(const QFont& font, int m, int x, int y, TColor color);

private:
    void PaintClipped(const TMarkSprite& sprite, int x, int y, QRgb rgb);
    void PrepareOffsets(const TMarkSprite& sprite);
    TMarkOffsets FOffsets;
    TCanvas& FCanvas;
    uchar* FBits = nullptr;
    bool FScaled = false;
    std::ptrdiff_t FStride = 0;
    QRect FClip;
};
