#include "entry_point_workload.hpp"

#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>

namespace robustness {
namespace {

constexpr int32_t kCutting = 1;
constexpr int32_t kOtherCutting = 2;

// A small deterministic generator (splitmix64): the same sets on every platform.
uint64_t Next(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Uniform(uint64_t& state) { return static_cast<double>(Next(state) >> 11) * 0x1.0p-53; }

using Limits = std::numeric_limits<double>;
const double kSpecial[] = {Limits::quiet_NaN(), Limits::infinity(), -Limits::infinity(), Limits::denorm_min(),
                           -Limits::denorm_min(), Limits::min(), Limits::max(), -Limits::max(), 0.0, -0.0,
                           -1.0, 1e300, 1e-300, 1.5707963267948966, 0.995, -1.0};

int BlockDoubles(const CuttingFacts& facts) { return (facts.blockSize - 8) / 8; }

double Field(const uint8_t* block, int i) {
    double value;
    std::memcpy(&value, block + 8 + 8 * i, sizeof value);
    return value;
}

void SetField(uint8_t* block, int i, double value) { std::memcpy(block + 8 + 8 * i, &value, sizeof value); }

// Appends to the record, never past its arrays.
struct Recorder {
    RunRecord& out;
    void Result(int32_t r) {
        if (out.resultCount < static_cast<int>(std::size(out.results))) out.results[out.resultCount++] = r;
    }
    void Value(double v) {
        if (out.valueCount < static_cast<int>(std::size(out.values))) out.values[out.valueCount++] = v;
    }
};

void DescribeCutting(const CuttingFacts& facts, Recorder& rec) {
    const EntryPoints& e = facts.entry;
    CuttingId ids[4] = {};
    rec.Result(e.getCuttingList(ids, 4));
    rec.Result(ids[0]);
    rec.Result(e.getCuttingList(ids, 0));

    CuttingInfo info{};
    rec.Result(e.getCuttingInfo(&info, kCutting, InfoRequestGeneral));
    rec.Result(info.blockSize);
    rec.Result(e.getCuttingInfo(&info, kCutting, 257));
    rec.Result(e.getCuttingInfo(&info, kOtherCutting, InfoRequestGeneral));

    for (int i = 0; i < facts.listed + 2; ++i) {
        ParameterNameQuery query{i < facts.listed ? facts.parameterList[i] : 4112 + i, nullptr};
        rec.Result(e.getCuttingInfo(&query, kCutting, InfoRequestParameterName));
        rec.Result(query.name == nullptr ? 0 : static_cast<int32_t>(std::strlen(query.name)));
    }

    ParameterId listed[kMaxListed + 2] = {};
    ParameterList whole{kMaxListed + 2, 2, 1, listed};
    rec.Result(e.getCuttingInfo(&whole, kCutting, InfoRequestParameterList));
    ParameterList cut{3, 0, 1, listed};
    rec.Result(e.getCuttingInfo(&cut, kCutting, InfoRequestParameterList));
    ParameterList wrongKind{kMaxListed, 0, 2, listed};
    rec.Result(e.getCuttingInfo(&wrongKind, kCutting, InfoRequestParameterList));
    rec.Result(whole.count);
    rec.Result(cut.count);
    for (ParameterId id : listed) rec.Result(id);
}

void ReadEveryParameter(const CuttingFacts& facts, Diamond& diamond, Recorder& rec) {
    const EntryPoints& e = facts.entry;
    for (int i = 0; i < facts.listed; ++i) {
        double value = -123.0;
        rec.Result(e.getParameter(&value, &facts.parameterList[i], 1, &diamond, kCutting));
        rec.Value(value);
    }
    double all[kMaxListed] = {};
    rec.Result(e.getParameter(all, facts.parameterList, facts.listed, &diamond, kCutting));
    for (int i = 0; i < facts.listed; ++i) rec.Value(all[i]);
    const ParameterId mixed[] = {1, 999, 10, 19};
    double some[4] = {-1.0, -2.0, -3.0, -4.0};
    rec.Result(e.getParameter(some, mixed, 4, &diamond, kCutting));
    for (double v : some) rec.Value(v);
}

void BuildStone(const CuttingFacts& facts, Diamond& diamond, Recorder& rec) {
    rec.Result(facts.entry.isCorrect(&diamond, kCutting));
    rec.Result(facts.entry.initVertex(&diamond, kCutting));
}

// Writes each listed parameter in turn, 5 % away from what it reads now (the
// derived ones solve back for the stored fields), judging the set after each.
void WriteEveryParameter(const CuttingFacts& facts, Diamond& diamond, Recorder& rec) {
    const EntryPoints& e = facts.entry;
    for (int i = 0; i < facts.listed; ++i) {
        const ParameterId id = facts.parameterList[i];
        double value = 0.0;
        rec.Result(e.getParameter(&value, &id, 1, &diamond, kCutting));
        const double target = value * 1.05 + 1e-3;
        rec.Result(e.setParameter(&target, &id, 1, &diamond, kCutting));
        rec.Result(e.isCorrect(&diamond, kCutting));
    }
    const ParameterId unknown[] = {facts.parameterList[0], 999};
    const double values[] = {Field(static_cast<const uint8_t*>(diamond.params), 0), 1.0};
    rec.Result(e.setParameter(values, unknown, 2, &diamond, kCutting));
}

void CallOtherCutting(const CuttingFacts& facts, Diamond& diamond, Recorder& rec) {
    const EntryPoints& e = facts.entry;
    double value = 0.0;
    const ParameterId id = facts.parameterList[0];
    rec.Result(e.initDiamond(&diamond, kOtherCutting));
    rec.Result(e.initVertex(&diamond, kOtherCutting));
    rec.Result(e.isCorrect(&diamond, kOtherCutting));
    rec.Result(e.getParameter(&value, &id, 1, &diamond, kOtherCutting));
    rec.Result(e.setParameter(&value, &id, 1, &diamond, kOtherCutting));
}

}  // namespace

CuttingFacts LearnCutting(const EntryPoints& entry) {
    CuttingFacts facts;
    facts.entry = entry;
    CuttingInfo info{};
    if (entry.getCuttingInfo(&info, kCutting, InfoRequestGeneral) != 1 || info.blockSize < 8 ||
        info.blockSize > kMaxBlockSize || info.faces == nullptr)
        return {};
    int largest = -1;
    for (const uint16_t* f = info.faces; *f != CUTTING_FACES_END; ++f) largest = *f > largest ? *f : largest;
    if (largest + 1 > kMaxVertices) return {};
    ParameterList list{kMaxListed, 0, 1, facts.parameterList};
    if (entry.getCuttingInfo(&list, kCutting, InfoRequestParameterList) != 1 || list.count < 1) return {};
    Diamond diamond{0, facts.defaults, 0, nullptr};
    if (entry.initDiamond(&diamond, kCutting) != 1) return {};
    facts.blockSize = info.blockSize;
    facts.vertexCount = largest + 1;
    facts.listed = list.count;
    return facts;
}

void MakeParameterSet(const CuttingFacts& facts, SetKind kind, uint64_t seed, uint8_t* block) {
    uint64_t state = seed * 0x2545F4914F6CDD1Dull + static_cast<uint64_t>(kind);
    std::memcpy(block, facts.defaults, static_cast<size_t>(facts.blockSize));
    switch (kind) {
        case SetKind::Defaults:
            break;
        case SetKind::Plausible:
            for (int i = 0; i < BlockDoubles(facts); ++i) {
                const double v = Field(block, i);
                SetField(block, i, v * (1.0 + (Uniform(state) - 0.5) * 0.66) + (Uniform(state) - 0.5) * 0.04);
            }
            break;
        case SetKind::Special:
            for (int k = 0; k < 2; ++k)
                SetField(block, static_cast<int>(Next(state) % static_cast<uint64_t>(BlockDoubles(facts))),
                         kSpecial[Next(state) % std::size(kSpecial)]);
            break;
        case SetKind::RawBytes:
            for (int i = 0; i < facts.blockSize; ++i) block[i] = static_cast<uint8_t>(Next(state));
            break;
    }
}

void RunEveryEntryPoint(const CuttingFacts& facts, const uint8_t* block, RunRecord& out) {
    std::memset(&out, 0, sizeof out);
    Recorder rec{out};
    alignas(8) uint8_t params[kMaxBlockSize] = {};
    Diamond diamond{0, params, 0, out.vertices[0]};

    DescribeCutting(facts, rec);
    rec.Result(facts.entry.initDiamond(&diamond, kCutting));
    std::memcpy(params, block, static_cast<size_t>(facts.blockSize));
    ReadEveryParameter(facts, diamond, rec);
    BuildStone(facts, diamond, rec);
    WriteEveryParameter(facts, diamond, rec);
    diamond.vertices = out.vertices[1];
    BuildStone(facts, diamond, rec);
    CallOtherCutting(facts, diamond, rec);
    std::memcpy(out.finalBlock, params, static_cast<size_t>(facts.blockSize));
}

}  // namespace robustness
