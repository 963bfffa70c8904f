// SPDX-License-Identifier: MIT
#pragma once
// The chart's screen cursors. Indices 1 to 4 are the chart's own cursors (the hand of panning and
// three magnifiers); index 0 is the default arrow. The images are drawn here, once, on first use.

#include <QCursor>

enum TPloticaCursor {
    pcDefault = 0,
    pcHand = 1,         // panning
    pcZoomWind = 2,     // magnifier with a window: zoom window
    pcZoomDrag = 3,     // magnifier with arrows: zoom by dragging
    pcZoomWindPos = 4,  // magnifier with a plus: zoom window that keeps the axes' directions
    pcCross = 5         // the toolkit's cross
};

// The cursor of an index; an index without an image of its own gives the default arrow.
const QCursor& PloticaCursor(int index);
