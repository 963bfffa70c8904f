// SPDX-License-Identifier: MIT
#pragma once
// The trail: one record for every state the simulation has been in since the trail was last
// emptied, in order. The energy chart draws one mark per record; the data export writes one row.

#include <vector>

struct TTrailRecord {
    int Body = 0;          // the body's index in the body table
    double GravAccel = 0;  // its g in m/s² at the time
    int Mass = 0;          // kg
    double Height = 0;     // m
    double Energy = 0;     // kJ, m·g·h
};

using TTrail = std::vector<TTrailRecord>;
