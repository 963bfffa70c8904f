// SPDX-License-Identifier: MIT
#pragma once
// What screen readers find of the energy bars: a group "Energy [kJ]" holding one display per bar
// and readout ("Potential, 39.7 kJ", "Speed, v = 9.8 m/s"), each announced when its value changes.

class QObject;
class TEnergyBars;

namespace EnergyBarsAccessible {

// The object that stands for one value of the bars (readout: TEnergyBars' order); the bars own it.
QObject* MakeReadout(TEnergyBars& bars, int readout);

}  // namespace EnergyBarsAccessible
