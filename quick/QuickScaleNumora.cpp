// SPDX-License-Identifier: MIT
#include "QuickScaleNumora.h"

#include "TNumora.h"
#include "TScale.h"

QuickScale::QuickScale(QQuickItem* parent) : QuickComponent(Widget<TScale>(), parent) {}

QuickNumora::QuickNumora(QQuickItem* parent) : QuickComponent(Widget<TNumora>(), parent) {}
