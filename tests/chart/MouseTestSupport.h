// SPDX-License-Identifier: MIT
#pragma once
// Real Qt mouse events for the chart tests: each is built with the buttons held during it and
// delivered to the widget as the windowing system would deliver it.

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPointF>

namespace charttest {

inline void SendMouse(QWidget& w, QEvent::Type type, int x, int y, Qt::MouseButton button,
                      Qt::MouseButtons buttons, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    const QPointF local(x, y);
    QMouseEvent e(type, local, w.mapToGlobal(local), button, buttons, mods);
    QApplication::sendEvent(&w, &e);
}

// a movement with the given buttons held
inline void Move(QWidget& w, int x, int y, Qt::MouseButtons held = Qt::NoButton,
                 Qt::KeyboardModifiers mods = Qt::NoModifier) {
    SendMouse(w, QEvent::MouseMove, x, y, Qt::NoButton, held, mods);
}

inline void Press(QWidget& w, int x, int y, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers mods = Qt::NoModifier) {
    SendMouse(w, QEvent::MouseButtonPress, x, y, button, button, mods);
}

inline void Release(QWidget& w, int x, int y, Qt::MouseButton button = Qt::LeftButton,
                    Qt::KeyboardModifiers mods = Qt::NoModifier) {
    SendMouse(w, QEvent::MouseButtonRelease, x, y, button, Qt::NoButton, mods);
}

// press at (x0, y0), move there and on to (x1, y1) with the left button, release, and one more
// movement without a button that ends the drag
inline void LeftDrag(QWidget& w, int x0, int y0, int x1, int y1) {
    Press(w, x0, y0);
    Move(w, x0, y0, Qt::LeftButton);
    Move(w, x1, y1, Qt::LeftButton);
    Release(w, x1, y1);
    Move(w, x1, y1);
}

inline void Enter(QWidget& w, int x, int y) {
    const QPointF local(x, y);
    QEnterEvent e(local, local, w.mapToGlobal(local));
    QApplication::sendEvent(&w, &e);
}

inline void Leave(QWidget& w) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(&w, &e);
}

}  // namespace charttest

#include "TPlotica.h"

namespace charttest {

// The four range ends of a layer, for comparing in one assertion.
struct TRanges {
    double XLow, XHigh, YLow, YHigh;
};

inline TRanges RangesOf(TPlotica& c, int layer) {
    return {c.ScalePropsX(layer)->RangeLow(), c.ScalePropsX(layer)->RangeHigh(),
            c.ScalePropsY(layer)->RangeLow(), c.ScalePropsY(layer)->RangeHigh()};
}

}  // namespace charttest

#define EXPECT_RANGES_NEAR(chart, layer, xl, xh, yl, yh, tol)            \
    do {                                                                 \
        const charttest::TRanges r_ = charttest::RangesOf(chart, layer); \
        EXPECT_NEAR(r_.XLow, xl, tol) << "x low of layer " << (layer);   \
        EXPECT_NEAR(r_.XHigh, xh, tol) << "x high of layer " << (layer); \
        EXPECT_NEAR(r_.YLow, yl, tol) << "y low of layer " << (layer);   \
        EXPECT_NEAR(r_.YHigh, yh, tol) << "y high of layer " << (layer); \
    } while (0)
