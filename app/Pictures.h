// SPDX-License-Identifier: MIT
#pragma once
// The program's own pictures, painted in code so that every size is sharp and no image files
// have to be kept in step with each other: the Gravilo icon (a mass hanging on a rope over a
// pulley, with an arrow for the height it is lifted by) and the check mark of OK buttons.

#include <QIcon>
#include <QImage>

// The Gravilo icon as a square picture of the given edge length, on a transparent ground.
QImage PaintGraviloIcon(int size);

// The Gravilo icon in the sizes a window manager and a desktop ask for.
QIcon GraviloIcon();

// The green check mark of an OK button.
QImage PaintOkGlyph(int size);
QIcon OkGlyph();
