// SPDX-License-Identifier: MIT
#include "TTimer.h"

TTimer::TTimer(QObject* parent) : QObject(parent), TComponent(this) {
    FTimer.setTimerType(Qt::PreciseTimer);
    connect(&FTimer, &QTimer::timeout, this, &TTimer::Tick);
    Update();
}

void TTimer::SetInterval(int ms) {
    FInterval = std::max(ms, 0);
    Update();
}

void TTimer::SetEnabled(bool enabled) {
    FEnabled = enabled;
    Update();
}

void TTimer::Update() {
    if (FEnabled && FInterval > 0)
        FTimer.start(FInterval);
    else
        FTimer.stop();
}

void TTimer::Tick() {
    if (FEnabled) Fire(OnTimer, this);
}
