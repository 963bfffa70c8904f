// SPDX-License-Identifier: MIT
#pragma once
// Event types of the components: a bound callback, sender first. An unassigned event is skipped.

#include <QObject>
#include <functional>

#include "Enums.h"

using TNotifyEvent = std::function<void(QObject* Sender)>;
using TMouseEvent =
    std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;

// Calls the event when it is assigned.
template <typename Event, typename... Args>
inline void Fire(const Event& event, Args&&... args) {
    if (event) event(std::forward<Args>(args)...);
}
