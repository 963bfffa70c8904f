// SPDX-License-Identifier: MIT
#include "TEnergyBalance.h"

#include <cmath>

// The fall's clock. The k-th fall step drops the mass by F_k = 0.5·g·k (the distance per tick grows
// by 0.5·g each tick), so after k steps it has fallen D_k = F_1 + … + F_k = ¼·g·k·(k + 1). Free
// fall from rest has fallen D = ½·g·t² at the time t; the time at which it has fallen D_k is the
// one with ½·g·t² = ¼·g·k·(k + 1), that is t_k = √(k·(k + 1)/2), whatever g is. At that time its
// speed is v = g·t_k, and v² = g²·k·(k + 1)/2 = 2·g·D_k: the speed below (SpeedAfterStep) is that
// speed, so v = g·t and D = ½·g·t² hold exactly at every step. The ticks are then not evenly
// spaced in simulated time (t_1 = 1, t_2 = 1.73, t_3 = 2.45 s, …, later nearly 1 s apart), as the
// steps of a fall animated at an even rate of frames are not.
double TEnergyBalance::StepTime(int k) {
    return std::sqrt(0.5 * double(k) * double(k + 1));
}

// The speed. After k steps the mass has fallen D_k = F_1 + … + F_k = 0.25·g·k·(k + 1)
// = F_k·(F_k + 0.5·g)/g metres. We give it the speed that a free fall through D_k reaches,
// v² = 2·g·D_k = F·(2·F + g) with F = FallSpeed, so that m·g·(h₀ − D_k) + ½·m·v² = m·g·h₀: without
// rounding the sum is the energy at the release, exactly.
//
// What remains is the rounding of the heights. The first step rounds h₀ − F_1 to whole metres
// (at most 0.5 m off); from then on the height is whole and each step rounds F_k, so the height
// is off from h₀ − D_k by the first rounding plus the sum of F_i − round(F_i), i = 2..k. Over the
// steps of any fall from 500 m or less that sum stays within 1.33 m on Earth, 0.95 m on the Moon,
// 1.06 m on Mars and 0.64 m on Jupiter. So E_pot + E_kin stays within 1.83 m·m·g of m·g·h₀: under
// 2 % for every release from 100 m up, on every body. The step that reaches the ground puts the
// mass on it with the speed of a free fall through what was left (TSimulation), and the landing
// turns the kinetic energy into thermal energy: the sum holds there too. Changing the body during
// a fall changes g under a speed gained with the old one: the sum jumps, as the potential energy
// does.
double TEnergyBalance::SpeedAfterStep(double fallSpeed, double g) {
    const double square = fallSpeed * (2 * fallSpeed + g);
    return square > 0 ? std::sqrt(square) : 0;
}
