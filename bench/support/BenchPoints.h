#pragma once
// The points both charts draw: spread evenly over the energy chart's range (0..500 in x and y)
// by a fixed generator, so that every run and both sides draw the very same marks.

#include <cstdint>
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

}  // namespace bench
