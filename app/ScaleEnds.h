// SPDX-License-Identifier: MIT
#pragma once
// The ends of the energy scales the window fits to what it shows (the fitted energy axis, the
// energy bars).

// The round end of a scale that holds value: 1, 2 or 5 × 10ⁿ, at least smallest.
double RoundScaleEnd(double value, double smallest);
