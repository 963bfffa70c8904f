// SPDX-License-Identifier: MIT
#pragma once
// The trail: one record for every state the simulation has been in since the trail was last
// emptied, in order. The energy chart draws one mark per record; the data export writes one row.

#include <vector>

struct TTrailRecord {
    int Body = 0;              // the body's index in the body table
    double GravAccel = 0;      // its g in m/s² at the time
    int Mass = 0;              // kg
    double Height = 0;         // m above the ground
    double Energy = 0;         // kJ, m·g·(h − h₀)
    double ZeroLevel = 0;      // h₀, m above the ground
    bool AccelHidden = false;  // g was kept from the class (a mystery planet)
};

using TTrail = std::vector<TTrailRecord>;

// The record of one fall, from its release: one sample at the release and one per step, the
// landing included. A new fall from rest starts a new record; a fall that was held goes on in it.
struct TFallSample {
    double Time = 0;                                            // s since the release
    double Height = 0;                                          // m above the ground
    double Speed = 0;                                           // m/s
    double Potential = 0, Kinetic = 0, Thermal = 0, Total = 0;  // kJ
};

using TFallRecord = std::vector<TFallSample>;
