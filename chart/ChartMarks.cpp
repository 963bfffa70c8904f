// SPDX-License-Identifier: MIT
#include "ChartMarks.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <unordered_map>

#include "ChartPolygon.h"
#include "CodePage.h"
#include "TCanvas.h"

namespace {

using TPattern = std::array<const char*, 7>;

// 7 x 7 masks around the centre; '#' sets a pixel
constexpr TPattern BoldDiagonalCross{"##...##", "###.###", ".#####.", "..###..",
                                     ".#####.", "###.###", "##...##"};

void SetPattern(TCanvas& c, const TPattern& p, int x, int y) {
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 7; ++col)
            if (p[row][col] == '#') c.SetPixel(x + col - 3, y + row - 3, c.Pen.Color);
}

void UprightCross(TCanvas& c, int r, int x, int y) {
    for (int i = -r; i <= r; ++i) {
        c.SetPixel(x + i, y, c.Pen.Color);
        if (i != 0) c.SetPixel(x, y + i, c.Pen.Color);
    }
}

void DiagonalCross(TCanvas& c, int r, int x, int y) {
    for (int i = -r; i <= r; ++i) {
        c.SetPixel(x + i, y + i, c.Pen.Color);
        if (i != 0) c.SetPixel(x + i, y - i, c.Pen.Color);
    }
}

void Checkerboard(TCanvas& c, int x, int y) {
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            if (((dx + dy) & 1) == 0) c.SetPixel(x + dx, y + dy, c.Pen.Color);
}

// filled: brush in the pen colour; outline: no brush
void Filled(TCanvas& c, bool filled) {
    c.Brush.Color = c.Pen.Color;
    c.Brush.Style = filled ? bsSolid : bsClear;
}

void Box(TCanvas& c, bool filled, int l, int t, int r, int b) {
    Filled(c, filled);
    c.Rectangle(l, t, r, b);
}

void Circle(TCanvas& c, bool filled, int l, int t, int r, int b) {
    Filled(c, filled);
    c.Ellipse(l, t, r, b);
}

void Triangle(TCanvas& c, bool filled, QPoint a, QPoint b, QPoint d) {
    Filled(c, filled);
    const std::array<QPoint, 3> pts{a, b, d};
    DrawPolygon(c, pts);
}

void Line(TCanvas& c, int x0, int y0, int x1, int y1) {
    c.MoveTo(x0, y0);
    c.LineTo(x1, y1);
}

}  // namespace

// One line per row of the mark table.
// clang-format off
void DrawMarkShape(TCanvas& c, int m, int x, int y) {
    const TCanvasBrush savedBrush = c.Brush;
    switch (m) {
        case 0: c.SetPixel(x, y, c.Pen.Color); break;
        case 1: case 2: case 3: UprightCross(c, m, x, y); break;
        case 4: case 5: case 6: DiagonalCross(c, m - 3, x, y); break;
        case 7: case 8: case 9: {
            const int r = m - 6;
            Box(c, true, x - r, y - r, x + r + 1, y + r + 1);
            break;
        }
        case 10: case 11: case 12: {
            const int r = m - 9;
            Box(c, false, x - r, y - r, x + r + 1, y + r + 1);
            break;
        }
        case 13: case 14: case 15: {
            const int r = m - 12;
            Filled(c, true);
            const std::array<QPoint, 4> pts{QPoint(x - r, y), QPoint(x, y + r), QPoint(x + r, y), QPoint(x, y - r)};
            DrawPolygon(c, pts);
            break;
        }
        case 16: Circle(c, false, x - 2, y - 2, x + 3, y + 3); break;
        case 17: Circle(c, false, x - 3, y - 3, x + 4, y + 4); break;
        case 18: Checkerboard(c, x, y); break;
        case 19:
            c.MoveTo(x - 3, y);
            c.LineTo(x, y + 3);
            c.LineTo(x + 3, y);
            c.LineTo(x, y - 3);
            c.LineTo(x - 3, y);
            break;
        case 20: case 21: {
            const int r = m - 17;
            Line(c, x, y, x - r, y + r);
            Line(c, x, y, x + r, y + r);
            break;
        }
        case 22: case 23: {
            const int r = m - 19;
            Line(c, x, y, x - r, y - r);
            Line(c, x, y, x + r, y - r);
            break;
        }
        case 24: Circle(c, true, x - 3, y - 3, x + 4, y + 4); break;
        case 25: SetPattern(c, BoldDiagonalCross, x, y); break;
        case 26: Circle(c, true, x - 2, y - 2, x + 3, y + 3); break;
        case 27: Circle(c, false, x - 2, y - 2, x + 2, y + 2); break;
        case 28: Circle(c, true, x - 2, y - 2, x + 2, y + 2); break;
        case 29: case 30: case 31: case 32: {
            const int r = (m == 29 || m == 31) ? 2 : 3;
            Triangle(c, m <= 30, QPoint(x - r, y), QPoint(x, y + r), QPoint(x + r, y));
            break;
        }
        case 33: case 34: Triangle(c, m == 34, QPoint(x - 4, y - 3), QPoint(x, y + 4), QPoint(x + 4, y - 3)); break;
        case 35: case 36: Triangle(c, m == 36, QPoint(x - 4, y + 3), QPoint(x, y - 4), QPoint(x + 4, y + 3)); break;
        case 37:
            Line(c, x - 3, y, x + 4, y);
            Line(c, x, y, x, y - 8);
            break;
        case 38:
            Line(c, x - 3, y - 2, x + 4, y - 2);
            Line(c, x - 3, y + 2, x + 4, y + 2);
            Line(c, x, y - 2, x, y + 2);
            break;
        case 39:
            Circle(c, false, x - 3, y - 3, x + 4, y + 4);
            Line(c, x - 3, y, x + 4, y);
            Line(c, x, y - 3, x, y + 4);
            break;
        case 40: case 41: Triangle(c, m == 41, QPoint(x + 3, y - 2), QPoint(x - 2, y), QPoint(x + 3, y + 2)); break;
        case 42: case 43: Triangle(c, m == 43, QPoint(x + 4, y - 3), QPoint(x - 3, y), QPoint(x + 4, y + 3)); break;
        case 44: case 45: Triangle(c, m == 45, QPoint(x - 3, y - 2), QPoint(x + 2, y), QPoint(x - 3, y + 2)); break;
        case 46: case 47: Triangle(c, m == 47, QPoint(x - 4, y - 3), QPoint(x + 3, y), QPoint(x - 4, y + 3)); break;
        default: break;
    }
    c.Brush = savedBrush;
}
// clang-format on

namespace {

TMarkSprite MakeSprite(int mark, int penWidth, TPenStyle penStyle) {
    const int half = 12 + penWidth;
    QImage scratch(2 * half + 1, 2 * half + 1, QImage::Format_RGB32);
    scratch.fill(0xFF000000u);
    {
        TCanvas c(&scratch);
        c.Pen.Color = clWhite;
        c.Pen.Width = penWidth;
        c.Pen.Style = penStyle;
        DrawMarkShape(c, mark, half, half);
        c.Release();
    }
    TMarkSprite sprite;
    for (int y = 0; y < scratch.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        int x = 0;
        while (x < scratch.width()) {
            if ((line[x] & 0xFFFFFFu) == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < scratch.width() && (line[x] & 0xFFFFFFu) != 0) ++x;
            sprite.Runs.push_back(
                {std::int16_t(y - half), std::int16_t(start - half), std::int16_t(x - 1 - half)});
            sprite.Box |= QRect(QPoint(start - half, y - half), QPoint(x - 1 - half, y - half));
        }
    }
    return sprite;
}

}  // namespace

const TMarkSprite& MarkSprite(int mark, int penWidth, TPenStyle penStyle) {
    static std::unordered_map<std::uint32_t, TMarkSprite> sprites;
    penWidth = std::clamp(penWidth, 1, 255);
    const std::uint32_t key =
        std::uint32_t(mark) | (std::uint32_t(penWidth) << 8) | (std::uint32_t(penStyle) << 24);
    auto it = sprites.find(key);
    if (it == sprites.end()) it = sprites.emplace(key, MakeSprite(mark, penWidth, penStyle)).first;
    return it->second;
}

TMarkPainter::TMarkPainter(TCanvas& canvas) : FCanvas(canvas) {
    Attach();
}

void TMarkPainter::Attach() {
    QImage* image = FCanvas.Target();
    FClip = FCanvas.ClipRect();
    // a scaled canvas takes every mark through its own spans: an empty clip keeps the direct
    // writes out of the way
    FScaled = FCanvas.Scaled();
    if (!image || image->isNull() || FClip.isEmpty() || FScaled) {
        FBits = nullptr;
        FStride = 0;
        FClip = QRect();
        return;
    }
    FBits = reinterpret_cast<uchar*>(FCanvas.ScanLine(0));
    FStride = image->bytesPerLine();
    FOffsets.Sprite = nullptr;  // the offsets belong to the old image's rows
}

void TMarkPainter::PrepareOffsets(const TMarkSprite& sprite) {
    FOffsets.Sprite = &sprite;
    FOffsets.Stride = FStride;
    int n = 0;
    for (const TMarkRun& r : sprite.Runs)
        for (int x = r.X0; x <= r.X1; ++x) {
            if (n == TMarkOffsets::Capacity) {
                FOffsets.Count = -1;
                return;
            }
            FOffsets.Offsets[n++] = std::ptrdiff_t(r.Dy) * (FStride / std::ptrdiff_t(sizeof(QRgb))) + x;
        }
    FOffsets.Count = n;
}

void TMarkPainter::PaintClipped(const TMarkSprite& sprite, int x, int y, QRgb rgb) {
    if (FScaled) {
        for (const TMarkRun& r : sprite.Runs) FCanvas.BlendSpanRaw(x + r.X0, x + r.X1, y + r.Dy, rgb, pmCopy);
        return;
    }
    if (!FBits) return;
    for (const TMarkRun& r : sprite.Runs) {
        const int yy = y + r.Dy;
        if (yy < FClip.top() || yy > FClip.bottom()) continue;
        const int x0 = std::max(x + r.X0, FClip.left());
        const int x1 = std::min(x + r.X1, FClip.right());
        QRgb* line = reinterpret_cast<QRgb*>(FBits + std::ptrdiff_t(yy) * FStride);
        for (int i = x0; i <= x1; ++i) line[i] = rgb;
    }
}

void TMarkPainter::PaintCharacter(const QFont& font, int m, int x, int y, TColor color) {
    const QFont savedFont = FCanvas.Font;
    const TColor savedColor = FCanvas.FontColor;
    const TCanvasBrush savedBrush = FCanvas.Brush;
    FCanvas.Font = font;
    FCanvas.FontColor = color;
    FCanvas.Brush.Style = bsClear;  // the character alone, not its cell
    const QString text{QChar(Windows1252ToUnicode(static_cast<unsigned char>(m)))};
    const QSize size = FCanvas.TextExtent(text);
    FCanvas.TextOut(x - size.width() / 2, y - size.height() / 2, text);
    FCanvas.Font = savedFont;
    FCanvas.FontColor = savedColor;
    FCanvas.Brush = savedBrush;
}
