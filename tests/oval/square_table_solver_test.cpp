// Solving "Star facets" back for "Square table": the trial points the
// search visits and where it stops.
#include "crown_measures.hpp"
#include "oval_test_support.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

namespace {

using namespace oval;
using oval_test::With;

struct Measure {
    double x;
    double value;
};

// Every measure one solve makes, in order.
struct SolveRun {
    std::vector<Measure> measures;
    double result = 0.0;

    std::vector<double> Visited() const {
        std::vector<double> xs;
        for (const Measure& m : measures) xs.push_back(m.x);
        return xs;
    }
};

SolveRun Solve(const OvalParams& p, double target, double lo = -1.0, double hi = 1.0) {
    SolveRun run;
    SolveObserver observer;
    observer.context = &run.measures;
    observer.seen = [](void* context, double x, double value) {
        static_cast<std::vector<Measure>*>(context)->push_back(Measure{x, value});
    };
    run.result = SolveSquareTable(p, target, lo, hi, observer);
    return run;
}

struct Visits {
    const char* what;
    double stored;
    double target;
    std::vector<double> start;  // the first measures: the stored value, then the trial points
    std::size_t measures;       // how many in all
    double result;              // to three significant digits
};

std::ostream& operator<<(std::ostream& os, const Visits& v) { return os << v.what; }

class SolverVisits : public ::testing::TestWithParam<Visits> {};

TEST_P(SolverVisits, DoublesItsStepUntilBracketedThenTakesFalsePosition) {
    const Visits& c = GetParam();
    const SolveRun run = Solve(With(&OvalParams::squareTable, c.stored), c.target);
    ASSERT_EQ(run.measures.size(), c.measures);
    const std::vector<double> visited = run.Visited();
    for (std::size_t i = 0; i < c.start.size(); ++i) EXPECT_NEAR(visited[i], c.start[i], 1e-12) << "measure " << i;
    EXPECT_NEAR(run.result, c.result, 5e-4);
    EXPECT_EQ(run.result, visited.back()) << "the result is the last trial point";
    EXPECT_LE(std::fabs(run.measures.back().value - c.target), kSolveTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    DefaultStone, SolverVisits,
    ::testing::Values(
        Visits{"target 0.6 upward", 0.0, 0.6, {0.0, 0.01, 0.03, 0.07, 0.15}, 6, 0.127},
        Visits{"target 0.4 downward", 0.0, 0.4, {0.0, -0.01, -0.03, -0.07, -0.15}, 6, -0.146},
        // The doubled step of -0.64 is cut to -0.37 at the lower bound.
        Visits{"target 0 down to the bound", 0.0, 0.0, {0.0, -0.01, -0.03, -0.07, -0.15, -0.31, -0.63, -1.0}, 9, -0.654},
        // Outside the bounds the search starts at half the range's width, 1,
        // with the measure of the stored 3 as its first value.
        Visits{"stored 3, target 0.8", 3.0, 0.8, {3.0, 0.99, 0.97, 0.93, 0.85, 0.69, 0.37}, 8, 0.425}));

TEST(SolverVisits, FalsePositionPointsStayInsideTheirBracket) {
    const SolveRun run = Solve(With(&OvalParams::squareTable, 3.0), 0.8);
    ASSERT_GT(run.measures.size(), 7u);
    for (std::size_t i = 7; i < run.measures.size(); ++i) {
        EXPECT_GT(run.measures[i].x, 0.37) << i;
        EXPECT_LT(run.measures[i].x, 0.69) << i;
    }
}

struct Unreachable {
    double stored;
    double target;
    double bound;
};

std::ostream& operator<<(std::ostream& os, const Unreachable& u) {
    return os << "stored " << u.stored << ", target " << u.target;
}

class UnreachableTarget : public ::testing::TestWithParam<Unreachable> {};

TEST_P(UnreachableTarget, EndsExactlyOnTheBoundAfter502Measures) {
    const Unreachable& c = GetParam();
    const SolveRun run = Solve(With(&OvalParams::squareTable, c.stored), c.target);
    EXPECT_EQ(run.result, c.bound);
    EXPECT_EQ(run.measures.size(), 502u);
    EXPECT_EQ(run.measures.back().x, c.bound);
    for (std::size_t i = run.measures.size() - 400; i < run.measures.size(); ++i)
        ASSERT_EQ(run.measures[i].x, c.bound) << "measure " << i;
}

// The default measure tops out at about 1.18 at 1 and bottoms out at about
// -0.272 at -1; a stored value on a bound makes the first step zero.
INSTANTIATE_TEST_SUITE_P(DefaultStone, UnreachableTarget,
                         ::testing::Values(Unreachable{0.0, 1.3, 1.0}, Unreachable{0.0, -0.5, -1.0},
                                           Unreachable{1.0, 1.3, 1.0}, Unreachable{-1.0, -0.5, -1.0}));

TEST(Solver, StoredValueOnTheBoundWithTargetBeyondNeverLeavesIt) {
    const SolveRun run = Solve(With(&OvalParams::squareTable, 1.0), 1.3);
    for (const Measure& m : run.measures) ASSERT_EQ(m.x, 1.0);
}

TEST(Solver, SwappedBoundsSolveTheSame) {
    EXPECT_EQ(Solve(kDefaults, 0.6, 1.0, -1.0).result, Solve(kDefaults, 0.6).result);
}

TEST(Solver, ReachesAnyTargetInsideTheRangeOnOtherStones) {
    OvalParams p = kDefaults;
    p.ratio = 1.7;
    p.squareDeviation = 0.6;
    p.table = 0.5;
    p.squareTable = 0.2;
    const double low = StarFacetsValue(p, -1.0), high = StarFacetsValue(p, 1.0);
    for (double share : {0.02, 0.3, 0.5, 0.77, 0.98}) {
        const double target = low + share * (high - low);
        const SolveRun run = Solve(p, target);
        EXPECT_LE(std::fabs(StarFacetsValue(p, run.result) - target), kSolveTolerance) << target;
        EXPECT_LT(run.measures.size(), 502u) << target;
    }
}

}  // namespace
