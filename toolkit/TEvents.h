// SPDX-License-Identifier: MIT
#pragma once
/// @file
/// Event types of the components: a bound callback, sender first. An unassigned event is skipped.

#include <QObject>
#include <functional>

#include "Enums.h"

/// An event that tells who sent it, and nothing more.
using TNotifyEvent = std::function<void(QObject* Sender)>;
/// A mouse button went down or up: the sender, the button, the shift state (keys and buttons held)
/// and the pixel (X, Y) of the sender it happened at.
using TMouseEvent =
    std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
/// The mouse moved: the sender, the shift state (keys and buttons held) and the pixel (X, Y) of the
/// sender it moved to.
using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;

/// Calls the event with args when it is assigned; an unassigned event is skipped.
template <typename Event, typename... Args>
inline void Fire(const Event& event, Args&&... args) {
    if (event) event(std::forward<Args>(args)...);
}
