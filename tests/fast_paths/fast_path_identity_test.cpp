// The crown measures build only what they read, and the solver builds the
// crown once per solve. These tests hold them to the straightforward way:
// the whole construction from scratch for every measure, bit for bit.
#include "crown_measures.hpp"
#include "girdle_outline.hpp"
#include "oval_construction.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace {

using oval::OvalFrame;
using oval::OvalParams;

uint64_t Bits(double v) {
    uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

// The "Star facets" measure from a complete construction of the crown.
double StarFacetsFromScratch(const OvalParams& p, double x) {
    OvalFrame f{};
    oval::BuildGirdle(p, f);
    oval::BuildCrownFrame(p, f);
    oval::PlaceStarPoints(p, x, f);
    oval::Line2 edge;
    oval::LineThroughPoints(edge, oval::Vec2{f.T(0).x, f.T(0).y}, oval::Vec2{f.T(1).x, f.T(1).y});
    return oval::EvalLine2(edge, f.S(0).x, f.S(0).y) / oval::EvalLine2(edge, f.U(4).x, f.U(4).y);
}

// Random blocks over and beyond the accepted ranges, squareness out of range included.
OvalParams RandomBlock(std::mt19937_64& rng) {
    std::uniform_real_distribution<double> u(0.0, 1.0);
    OvalParams p = oval::kDefaults;
    p.ratio = 0.5 + 2.0 * u(rng);
    p.crownAngle = 0.05 + 1.4 * u(rng);
    p.table = 0.05 + 0.9 * u(rng);
    p.girdle = 0.1 * u(rng);
    p.squareDeviation = -1.1 + 2.2 * u(rng);
    p.squareTable = -1.5 + 3.0 * u(rng);
    return p;
}

struct Measure {
    double x, value;
};

void Record(void* context, double x, double value) {
    static_cast<std::vector<Measure>*>(context)->push_back({x, value});
}

TEST(FastPaths, SolverMeasuresEqualFromScratchMeasuresBitForBit) {
    std::mt19937_64 rng(20261211);
    std::uniform_real_distribution<double> target(-0.6, 1.4);
    for (int n = 0; n < 3000; ++n) {
        const OvalParams p = RandomBlock(rng);
        std::vector<Measure> seen;
        oval::SolveSquareTable(p, target(rng), -1.0, 1.0, oval::SolveObserver{&Record, &seen});
        ASSERT_FALSE(seen.empty());
        // Every trial point sees exactly the measure a fresh construction gives, so
        // the trial sequence and the result are those of the straightforward search.
        for (const Measure& m : seen)
            ASSERT_EQ(Bits(m.value), Bits(StarFacetsFromScratch(p, m.x)))
                << "block " << n << " at x = " << m.x;
    }
}

TEST(FastPaths, StarFacetsValueEqualsFromScratch) {
    std::mt19937_64 rng(7);
    for (int n = 0; n < 3000; ++n) {
        const OvalParams p = RandomBlock(rng);
        ASSERT_EQ(Bits(oval::StarFacetsValue(p, 2.0 * oval::kStoredSquareTable)),
                  Bits(StarFacetsFromScratch(p, p.squareTable)))
            << "block " << n;
    }
}

TEST(FastPaths, GirdleSamplesEqualTheWholeGirdle) {
    std::mt19937_64 rng(11);
    for (int n = 0; n < 500; ++n) {
        const OvalParams p = RandomBlock(rng);
        OvalFrame whole{};
        oval::BuildGirdle(p, whole);
        OvalFrame some{};
        const int samples[] = {0, 1, 4, 7, 8, 9, 16, 63};
        oval::BuildGirdleSamples(p, some, samples);
        for (int j : samples) {
            ASSERT_EQ(Bits(some.U(j).x), Bits(whole.U(j).x)) << "sample " << j;
            ASSERT_EQ(Bits(some.U(j).y), Bits(whole.U(j).y)) << "sample " << j;
            ASSERT_EQ(Bits(some.L(j).z), Bits(whole.L(j).z)) << "sample " << j;
        }
    }
}

}  // namespace
