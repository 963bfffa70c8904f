// SPDX-License-Identifier: MIT
#pragma once
// The points both charts draw, made by a fixed generator so that every run and both sides draw the
// very same picture: marks spread evenly over the energy chart's range (0..500 in x and y), and a
// line series, a noisy sine with x increasing across the same range.

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace bench {

struct TPoints {
    std::vector<double> X;
    std::vector<double> Y;
};

inline TPoints MakePoints(int n) {
    TPoints p;
    p.X.reserve(std::size_t(n));
    p.Y.reserve(std::size_t(n));
    std::uint64_t s = 0x9E3779B97F4A7C15ull;
    auto next = [&s] {
        s = s * 6364136223846793005ull + 1442695040888963407ull;
        return double(s >> 11) * (1.0 / 9007199254740992.0);  // [0, 1)
    };
    for (int i = 0; i < n; ++i) {
        p.X.push_back(500.0 * next());
        p.Y.push_back(500.0 * next());
    }
    return p;
}

// n points of a sine of three periods around y = 250 with an amplitude of 150, plus noise of up to
// +-40, at x evenly spaced from 0 to 500.
inline TPoints MakeSeries(int n) {
    TPoints p = MakePoints(n);
    for (int i = 0; i < n; ++i) {
        const double x = 500.0 * i / n;
        const double noise = 80.0 * (p.Y[std::size_t(i)] / 500.0 - 0.5);
        p.X[std::size_t(i)] = x;
        p.Y[std::size_t(i)] = 250.0 + 150.0 * std::sin(x / 500.0 * 6.0 * std::numbers::pi) + noise;
    }
    return p;
}

}  // namespace bench
