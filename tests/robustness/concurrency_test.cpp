// The plug-ins keep no state: several threads calling every entry point at
// once, each on its own block and buffer, get exactly what one thread gets,
// and so do threads judging one shared block that nothing writes. Under
// ThreadSanitizer (the tsan preset) any shared write is reported as well.
#include "entry_point_workload.hpp"
#include "plugin_library.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <latch>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace robustness {
namespace {

constexpr int kSets = 24;
constexpr int kRunners = 4;
constexpr int kJudges = 2;
constexpr int kJudgements = 400;

struct ParameterSet {
    alignas(8) uint8_t block[kMaxBlockSize];
};

class PluginConcurrency : public testing::TestWithParam<const char*> {};

TEST_P(PluginConcurrency, ThreadsGetWhatOneThreadGets) {
    PluginLibrary library(GetParam());
    ASSERT_TRUE(library.Loaded()) << library.Error();
    const CuttingFacts facts = LearnCutting(library.Entry());
    ASSERT_GT(facts.blockSize, 0) << "the plug-in does not describe its cutting";

    // Every kind of set, and what a single thread records for each.
    std::vector<ParameterSet> sets(kSets);
    auto expected = std::make_unique<RunRecord[]>(kSets);
    const SetKind kinds[] = {SetKind::Defaults, SetKind::Plausible, SetKind::Special, SetKind::RawBytes};
    for (int i = 0; i < kSets; ++i) {
        MakeParameterSet(facts, kinds[i % 4], static_cast<uint64_t>(i), sets[static_cast<size_t>(i)].block);
        RunEveryEntryPoint(facts, sets[static_cast<size_t>(i)].block, expected[i]);
    }

    // One block judged by several threads at once: the defaults, accepted.
    ParameterSet shared{};
    MakeParameterSet(facts, SetKind::Defaults, 0, shared.block);
    Diamond sharedDiamond{0, shared.block, 0, nullptr};
    const int32_t sharedVerdict = facts.entry.isCorrect(&sharedDiamond, 1);
    ASSERT_EQ(sharedVerdict, 1);

    std::atomic<int> mismatches{0};
    std::atomic<int> wrongVerdicts{0};
    std::latch start(kRunners + kJudges);
    std::vector<std::thread> threads;
    for (int t = 0; t < kRunners; ++t) {
        threads.emplace_back([&, t] {
            auto record = std::make_unique<RunRecord>();
            start.arrive_and_wait();
            for (int k = 0; k < kSets; ++k) {
                const int i = (k + t * 5) % kSets;  // each thread in its own order
                RunEveryEntryPoint(facts, sets[static_cast<size_t>(i)].block, *record);
                if (std::memcmp(record.get(), &expected[i], sizeof(RunRecord)) != 0) ++mismatches;
            }
        });
    }
    for (int t = 0; t < kJudges; ++t) {
        threads.emplace_back([&] {
            Diamond diamond{0, shared.block, 0, nullptr};
            start.arrive_and_wait();
            for (int k = 0; k < kJudgements; ++k)
                if (facts.entry.isCorrect(&diamond, 1) != sharedVerdict) ++wrongVerdicts;
        });
    }
    for (std::thread& thread : threads) thread.join();

    EXPECT_EQ(mismatches.load(), 0) << "runs on other threads differ from the single-threaded run";
    EXPECT_EQ(wrongVerdicts.load(), 0) << "IsCorrect on a shared block changes its verdict";
}

INSTANTIATE_TEST_SUITE_P(BothPlugins, PluginConcurrency, testing::Values(TAVOLET_PATH, LIRENTO_PATH),
                         [](const testing::TestParamInfo<const char*>& param) {
                             return std::string(param.index == 0 ? "Tavolet" : "Lirento");
                         });

}  // namespace
}  // namespace robustness
