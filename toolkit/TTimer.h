// SPDX-License-Identifier: MIT
#pragma once
// A message-driven timer on the GUI thread: OnTimer runs every Interval milliseconds while Enabled.

#include <QObject>
#include <QTimer>

#include "TComponent.h"
#include "TEvents.h"

class TTimer : public QObject, public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Interval READ Interval WRITE SetInterval)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
public:
    explicit TTimer(QObject* parent = nullptr);

    int Interval() const { return FInterval; }
    void SetInterval(int ms);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);

    // One interval elapses now: OnTimer runs when the timer is enabled.
    void Tick();

    TNotifyEvent OnTimer;

private:
    void Update();
    QTimer FTimer;
    int FInterval = 1000;
    bool FEnabled = true;
};
