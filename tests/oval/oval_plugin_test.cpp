// The Lirento plug-in as the host loads it: what its entry points hand out
// and write for the oval cutting, exactly where and nothing beyond.
#include "oval_description.hpp"
#include "oval_test_support.hpp"
#include "plugin_library.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace oval;
using cutting_test::PluginLibrary;

constexpr unsigned char kPattern = 0xA5;
constexpr std::size_t kGuardDoubles = 16;
constexpr std::size_t kVertexDoubles = 3 * kVertexCount;

// Host storage with guard zones either side, all filled with a byte pattern.
template <std::size_t Doubles>
struct Guarded {
    std::array<double, kGuardDoubles + Doubles + kGuardDoubles> all;
    Guarded() { std::memset(all.data(), kPattern, sizeof all); }
    double* data() { return all.data() + kGuardDoubles; }

    static bool Untouched(const double& d) {
        unsigned char bytes[sizeof(double)];
        std::memcpy(bytes, &d, sizeof d);
        for (unsigned char b : bytes)
            if (b != kPattern) return false;
        return true;
    }
    bool GuardsUntouched() const {
        for (std::size_t i = 0; i < kGuardDoubles; ++i)
            if (!Untouched(all[i]) || !Untouched(all[all.size() - 1 - i])) return false;
        return true;
    }
    bool AllUntouched() const {
        for (const double& d : all)
            if (!Untouched(d)) return false;
        return true;
    }
    // How many of the inner doubles a call wrote.
    std::size_t Written() const {
        std::size_t n = 0;
        for (std::size_t i = kGuardDoubles; i < kGuardDoubles + Doubles; ++i) n += Untouched(all[i]) ? 0 : 1;
        return n;
    }
};

using VertexBuffer = Guarded<kVertexDoubles>;
using ParameterBlock = Guarded<sizeof(OvalParams) / sizeof(double)>;

class Lirento : public ::testing::Test {
protected:
    static void SetUpTestSuite() { plugin_ = new PluginLibrary(LIRENTO_PATH); }
    static void TearDownTestSuite() {
        delete plugin_;
        plugin_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(plugin_->Loaded()) << plugin_->Error(); }

    // A Diamond on host storage holding `p`.
    Diamond On(ParameterBlock& block, VertexBuffer& vertices, const OvalParams& p = kDefaults) {
        std::memcpy(block.data(), &p, sizeof p);
        Diamond d{};
        d.params = block.data();
        d.vertices = vertices.data();
        return d;
    }

    static const OvalParams& Params(ParameterBlock& block) { return *reinterpret_cast<const OvalParams*>(block.data()); }

    static PluginLibrary* plugin_;
};

PluginLibrary* Lirento::plugin_ = nullptr;

TEST_F(Lirento, DescribesTheOvalCutting) {
    CuttingInfo info;
    std::memset(&info, 0, sizeof info);
    ASSERT_EQ(plugin_->Entry().getCuttingInfo(&info, 1, InfoRequestGeneral), 1);
    EXPECT_EQ(info.blockSize, 96);
    EXPECT_EQ(std::memcmp(info.guid, kGuid, 16), 0);
    EXPECT_EQ(info.guid[0], 0x9B);
    EXPECT_EQ(info.guid[15], 0x36);
    EXPECT_EQ(info.infoKind, 1);
    EXPECT_STREQ(info.name, "Lirento.P24C32");
    EXPECT_EQ(info.secondName, info.name);
    ASSERT_NE(info.faces, nullptr);
    EXPECT_EQ(std::memcmp(info.faces, kFaceTable.data(), sizeof kFaceTable), 0);
}

TEST_F(Lirento, ParameterListIsCutOffAtTheCapacity) {
    std::vector<ParameterId> ids(30, -7);
    ParameterList list{5, 0, 1, ids.data()};
    ASSERT_EQ(plugin_->Entry().getCuttingInfo(&list, 1, InfoRequestParameterList), 1);
    EXPECT_EQ(list.count, 5);
    EXPECT_EQ(std::vector<ParameterId>(ids.begin(), ids.begin() + 6), (std::vector<ParameterId>{1, 4136, 10, 4137, 4109, -7}));

    for (int32_t capacity : {19, 30}) {
        std::fill(ids.begin(), ids.end(), -7);
        list = ParameterList{capacity, 0, 1, ids.data()};
        ASSERT_EQ(plugin_->Entry().getCuttingInfo(&list, 1, InfoRequestParameterList), 1);
        EXPECT_EQ(list.count, 19);
        EXPECT_EQ(std::vector<ParameterId>(ids.begin(), ids.begin() + 19),
                  std::vector<ParameterId>(std::begin(kParameterList), std::end(kParameterList)));
        EXPECT_EQ(ids[19], -7);
    }
}

TEST_F(Lirento, ServesDisplayNamesOfItsOwnParametersOnly) {
    const std::pair<ParameterId, const char*> named[] = {
        {4110, "TotalHeightFix mm"}, {4138, "TotalHeightFix %"}, {4109, "Total Height %"}, {4137, "Total Height mm"}};
    for (const auto& [id, name] : named) {
        ParameterNameQuery q{id, nullptr};
        ASSERT_EQ(plugin_->Entry().getCuttingInfo(&q, 1, InfoRequestParameterName), 1) << id;
        ASSERT_NE(q.name, nullptr) << id;
        EXPECT_STREQ(q.name, name);
    }
    const char* before = "host's own";
    for (ParameterId id : {4112, 4135, 1, 38}) {
        ParameterNameQuery q{id, before};
        EXPECT_EQ(plugin_->Entry().getCuttingInfo(&q, 1, InfoRequestParameterName), 1) << id;
        EXPECT_EQ(q.name, before) << id;
        EXPECT_EQ(q.id, id);
    }
}

TEST_F(Lirento, InitDiamondCopiesTheDefaultBlockAndNoMore) {
    ParameterBlock block;
    VertexBuffer vertices;
    Diamond d = On(block, vertices);
    std::memset(block.data(), 0x5A, sizeof(OvalParams));
    ASSERT_EQ(plugin_->Entry().initDiamond(&d, 1), 1);
    EXPECT_EQ(std::memcmp(block.data(), &kDefaults, sizeof kDefaults), 0);
    EXPECT_TRUE(block.GuardsUntouched());
    EXPECT_TRUE(vertices.AllUntouched());
}

TEST_F(Lirento, InitVertexWritesExactlyTheVerticesInMillimetres) {
    OvalParams p = kDefaults;
    p.diameter = 7.5;
    p.culetOffsetX = 0.05;
    ParameterBlock block;
    VertexBuffer vertices;
    Diamond d = On(block, vertices, p);
    ASSERT_EQ(plugin_->Entry().initVertex(&d, 1), 1);
    EXPECT_EQ(vertices.Written(), kVertexDoubles);
    EXPECT_TRUE(vertices.GuardsUntouched());
    EXPECT_EQ(std::memcmp(block.data(), &p, sizeof p), 0);
    EXPECT_TRUE(block.GuardsUntouched());
    const std::vector<double> expected = oval_test::Millimetres(p);
    for (std::size_t i = 0; i < kVertexDoubles; ++i) EXPECT_NEAR(vertices.data()[i], expected[i], 1e-13) << "double " << i;
}

TEST_F(Lirento, InitVertexBuildsEvenARefusedOutline) {
    ParameterBlock block;
    VertexBuffer vertices;
    Diamond d = On(block, vertices, oval_test::With(&OvalParams::squareDeviation, 0.995));
    ASSERT_EQ(plugin_->Entry().initVertex(&d, 1), 1);
    EXPECT_EQ(vertices.Written(), kVertexDoubles);
    EXPECT_TRUE(vertices.GuardsUntouched());
    for (int v = kUpperGirdle; v < kCulet; ++v) {
        EXPECT_EQ(vertices.data()[3 * v], 0.0) << "vertex " << v;
        EXPECT_EQ(vertices.data()[3 * v + 1], 0.0) << "vertex " << v;
    }
}

TEST_F(Lirento, IsCorrectWritesNothingAtAnyStageOfItsJudgement) {
    const std::pair<OvalParams, int32_t> cases[] = {
        {kDefaults, 1},
        {oval_test::With(&OvalParams::table, 0.75), 0},           // star test
        {oval_test::With(&OvalParams::girdle, 0.015), 0},         // girdle test
        {oval_test::With(&OvalParams::ratio, 0.4), 0},            // range check
    };
    for (const auto& [p, verdict] : cases) {
        ParameterBlock block;
        VertexBuffer vertices;
        Diamond d = On(block, vertices, p);
        EXPECT_EQ(plugin_->Entry().isCorrect(&d, 1), verdict);
        EXPECT_EQ(std::memcmp(block.data(), &p, sizeof p), 0);
        EXPECT_TRUE(block.GuardsUntouched());
        EXPECT_TRUE(vertices.AllUntouched());
    }
}

TEST_F(Lirento, IdentifierNineteenReadsWithoutAValueAndCannotBeWritten) {
    ParameterBlock block;
    VertexBuffer vertices;
    Diamond d = On(block, vertices);
    const ParameterId reads[] = {1, 19, 7};
    double values[3] = {-1.0, -2.0, -3.0};
    EXPECT_EQ(plugin_->Entry().getParameter(values, reads, 3, &d, 1), 1);
    EXPECT_EQ(values[0], 6.0);
    EXPECT_EQ(values[1], -2.0);
    EXPECT_EQ(values[2], 0.6);

    const ParameterId writes[] = {1, 19};
    const double written[] = {8.0, 0.5};
    EXPECT_EQ(plugin_->Entry().setParameter(written, writes, 2, &d, 1), 0);
    EXPECT_EQ(Params(block).diameter, 8.0);
    OvalParams rest = Params(block);
    rest.diameter = kDefaults.diameter;
    EXPECT_EQ(std::memcmp(&rest, &kDefaults, sizeof rest), 0);
}

TEST_F(Lirento, DerivedWritesSeeTheEarlierWritesOfTheSameCall) {
    ParameterBlock block;
    VertexBuffer vertices;
    Diamond d = On(block, vertices);
    // The diameter first, then the second diameter against the new one.
    const ParameterId ids[] = {1, 4136};
    const double values[] = {5.0, 7.5};
    ASSERT_EQ(plugin_->Entry().setParameter(values, ids, 2, &d, 1), 1);
    EXPECT_EQ(Params(block).diameter, 5.0);
    EXPECT_NEAR(Params(block).ratio, 1.5, 1e-15);
}

TEST_F(Lirento, RefusedWriteStopsTheCallAndLeavesTheBlock) {
    ParameterBlock block;
    VertexBuffer vertices;
    const OvalParams noDiameter = oval_test::With(&OvalParams::diameter, 0.0);
    Diamond d = On(block, vertices, noDiameter);
    const ParameterId ids[] = {4136, 7};
    const double values[] = {7.2, 0.5};
    EXPECT_EQ(plugin_->Entry().setParameter(values, ids, 2, &d, 1), 0);
    EXPECT_EQ(std::memcmp(block.data(), &noDiameter, sizeof noDiameter), 0);
}

TEST_F(Lirento, NullPointersAreRefused) {
    ParameterBlock block;
    VertexBuffer vertices;
    Diamond noBlock = On(block, vertices);
    noBlock.params = nullptr;
    Diamond noBuffer = On(block, vertices);
    noBuffer.vertices = nullptr;
    Diamond d = On(block, vertices);
    const ParameterId ids[] = {1};
    double values[] = {3.0};

    EXPECT_EQ(plugin_->Entry().initVertex(nullptr, 1), 0);
    EXPECT_EQ(plugin_->Entry().initVertex(&noBlock, 1), 0);
    EXPECT_EQ(plugin_->Entry().initVertex(&noBuffer, 1), 0);
    EXPECT_EQ(plugin_->Entry().isCorrect(nullptr, 1), 0);
    EXPECT_EQ(plugin_->Entry().isCorrect(&noBlock, 1), 0);
    EXPECT_EQ(plugin_->Entry().initDiamond(nullptr, 1), 0);
    EXPECT_EQ(plugin_->Entry().initDiamond(&noBlock, 1), 0);
    EXPECT_EQ(plugin_->Entry().getParameter(values, ids, 1, nullptr, 1), 0);
    EXPECT_EQ(plugin_->Entry().getParameter(values, ids, 1, &noBlock, 1), 0);
    EXPECT_EQ(plugin_->Entry().getParameter(nullptr, ids, 1, &d, 1), 0);
    EXPECT_EQ(plugin_->Entry().getParameter(values, nullptr, 1, &d, 1), 0);
    EXPECT_EQ(plugin_->Entry().setParameter(values, ids, 1, nullptr, 1), 0);
    EXPECT_EQ(plugin_->Entry().setParameter(values, ids, 1, &noBlock, 1), 0);
    EXPECT_EQ(plugin_->Entry().setParameter(nullptr, ids, 1, &d, 1), 0);
    EXPECT_EQ(plugin_->Entry().setParameter(values, nullptr, 1, &d, 1), 0);
    EXPECT_EQ(plugin_->Entry().getCuttingInfo(nullptr, 1, InfoRequestGeneral), 0);
    EXPECT_EQ(plugin_->Entry().getCuttingList(nullptr, 1), 0);

    EXPECT_TRUE(vertices.AllUntouched());
    EXPECT_EQ(std::memcmp(block.data(), &kDefaults, sizeof kDefaults), 0);
    EXPECT_EQ(values[0], 3.0);
}

}  // namespace
