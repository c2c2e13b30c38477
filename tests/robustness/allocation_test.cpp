// No entry point of either plug-in allocates heap memory: every entry point
// runs on many parameter sets with the allocator's calls counted.
#include "allocation_counter.hpp"
#include "entry_point_workload.hpp"
#include "plugin_library.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace robustness {
namespace {

constexpr int kSetsPerKind = 200;

// Where the controls keep what they allocate, so the compiler cannot drop
// an allocation that is freed right away.
void* volatile escaped = nullptr;

TEST(AllocationCounter, SeesAllocationsOfTheProgramAndOfSharedLibraries) {
    AllocationCount::Start();
    escaped = new int(7);
    const long afterNew = AllocationCount::Stop();
    delete static_cast<int*>(escaped);
    EXPECT_GE(afterNew, 1);

    AllocationCount::Start();
    escaped = std::malloc(24);
    const long afterMalloc = AllocationCount::Stop();
    std::free(escaped);
    EXPECT_GE(afterMalloc, 1);

    // strdup allocates inside the C library, as a plug-in would inside itself.
    AllocationCount::Start();
    escaped = strdup("facet");
    const long afterLibrary = AllocationCount::Stop();
    std::free(escaped);
    EXPECT_GE(afterLibrary, 1);

    AllocationCount::Start();
    EXPECT_EQ(AllocationCount::Stop(), 0);
}

class PluginAllocations : public testing::TestWithParam<const char*> {};

TEST_P(PluginAllocations, EveryEntryPointRunsWithoutHeapMemory) {
    PluginLibrary library(GetParam());
    ASSERT_TRUE(library.Loaded()) << library.Error();
    const CuttingFacts facts = LearnCutting(library.Entry());
    ASSERT_GT(facts.blockSize, 0) << "the plug-in does not describe its cutting";

    auto record = std::make_unique<RunRecord>();
    alignas(8) uint8_t block[kMaxBlockSize] = {};
    const SetKind kinds[] = {SetKind::Defaults, SetKind::Plausible, SetKind::Special, SetKind::RawBytes};
    for (SetKind kind : kinds) {
        for (int seed = 0; seed < kSetsPerKind; ++seed) {
            MakeParameterSet(facts, kind, static_cast<uint64_t>(seed), block);
            AllocationCount::Start();
            RunEveryEntryPoint(facts, block, *record);
            const long seen = AllocationCount::Stop();
            ASSERT_EQ(seen, 0) << "allocations in a run on set " << seed << " of kind " << static_cast<int>(kind);
            if (kind == SetKind::Defaults) break;
        }
    }
    // The counted runs really went through the parameter list.
    EXPECT_GT(record->resultCount, 3 * facts.listed);
}

INSTANTIATE_TEST_SUITE_P(BothPlugins, PluginAllocations, testing::Values(TAVOLET_PATH, LIRENTO_PATH),
                         [](const testing::TestParamInfo<const char*>& param) {
                             return std::string(param.index == 0 ? "Tavolet" : "Lirento");
                         });

}  // namespace
}  // namespace robustness
