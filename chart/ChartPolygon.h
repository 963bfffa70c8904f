// SPDX-License-Identifier: MIT
#pragma once
// Polygons with the classic rasterisation: the outline is the chain of one-pixel lines from
// vertex to vertex (so a closed outline paints every vertex), the inside is filled with the
// brush. Small polygons (triangles of marks, arrow heads, the faces of bars) thus come out
// symmetric where their corners are. Wide or exclusive-or pens go to the canvas's own polygon.

#include <QPoint>
#include <span>

class TCanvas;

void DrawPolygon(TCanvas& canvas, std::span<const QPoint> points);
