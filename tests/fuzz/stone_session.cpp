#include "stone_session.hpp"

#include "fuzz_values.hpp"
#include "known_findings.hpp"

#include <algorithm>
#include <cstring>
#include <string>

namespace fuzz {
namespace {

constexpr int32_t kMaxValues = 16;       // identifiers per GetParameter / SetParameter call
constexpr int32_t kMaxListStart = 64;    // entries a host has in its list before request 260
constexpr int32_t kMaxCuttings = 16;     // entries of the array GetCuttingList receives
const char kUnsetName[] = "unset";

std::vector<uint8_t> Bytes(const void* data, size_t size) {
    const auto* p = static_cast<const uint8_t*>(data);
    return {p, p + size};
}

bool Same(const void* data, const std::vector<uint8_t>& bytes) {
    return bytes.empty() || std::memcmp(data, bytes.data(), bytes.size()) == 0;
}

bool IsTerminatedString(const char* s) {
    if (s == nullptr) return false;
    for (int i = 0; i < 256; ++i)
        if (s[i] == '\0') return true;
    return false;
}

}  // namespace

StoneSession::StoneSession()
    : facts_(Facts()),
      record_(sizeof(Diamond)),
      block_(static_cast<size_t>(facts_.blockSize)),
      vertices_(facts_.VertexDoubles() * sizeof(double)) {
    std::memcpy(block_.data(), facts_.defaults.data(), facts_.defaults.size());
    FillUnwritten(vertices_.As<double>(), facts_.VertexDoubles());
    diamond_ = record_.As<Diamond>();
    diamond_->reserved1 = 0xC0FFEE01u;
    diamond_->params = block_.data();
    diamond_->reserved2 = 0xC0FFEE02u;
    diamond_->vertices = vertices_.As<double>();
    recordBytes_ = Bytes(diamond_, sizeof(Diamond));
}

std::vector<uint8_t> StoneSession::BlockBytes() const { return Bytes(block_.data(), block_.size()); }

void StoneSession::Broken(const char* what) const { Fail(what, block_.data()); }

void StoneSession::ExpectRecordIntact(const char* call) const {
    if (!record_.GuardsIntact() || !Same(diamond_, recordBytes_))
        Broken((std::string(call) + " changed the Diamond record or wrote beside it").c_str());
    if (!block_.GuardsIntact()) Broken((std::string(call) + " wrote outside the parameter block").c_str());
    if (!vertices_.GuardsIntact()) Broken((std::string(call) + " wrote outside the vertex buffer").c_str());
}

void StoneSession::ExpectBlockUnchanged(const std::vector<uint8_t>& before, const char* call) const {
    if (!Same(block_.data(), before)) Broken((std::string(call) + " changed the parameter block").c_str());
}

void StoneSession::ExpectVerticesUnwritten(const char* call) const {
    for (size_t i = 0; i < facts_.VertexDoubles(); ++i)
        if (!IsUnwritten(vertices_.As<const double>() + i))
            Broken((std::string(call) + " wrote into the vertex buffer").c_str());
}

void StoneSession::SetRawBlock(ByteReader& in) { in.Bytes(block_.data(), block_.size()); }

void StoneSession::SetField(ByteReader& in) {
    const size_t field = in.Byte() % facts_.BlockDoubles();
    double* slot = reinterpret_cast<double*>(block_.data() + 8 + 8 * field);
    const double value = ReadValue(in, *slot);
    std::memcpy(slot, &value, sizeof value);
}

void StoneSession::SetVariant(ByteReader& in) {
    const uint8_t tag = in.Byte();
    const int32_t variant = tag < 128 ? static_cast<int32_t>(tag % 5) - 2 : in.Raw<int32_t>();
    std::memcpy(block_.data(), &variant, sizeof variant);
}

void StoneSession::CallInitDiamond(ByteReader& in) {
    const int32_t cutting = ReadCutting(in);
    const auto before = BlockBytes();
    const int32_t result = InitDiamond(diamond_, cutting);
    ExpectRecordIntact("InitDiamond");
    ExpectVerticesUnwritten("InitDiamond");
    if (cutting != 1) {
        if (result != 0) Broken("InitDiamond succeeds for a cutting the plug-in does not offer");
        ExpectBlockUnchanged(before, "InitDiamond for another cutting");
        return;
    }
    if (result != 1 || !Same(block_.data(), facts_.defaults)) Broken("InitDiamond does not write the defaults");
}

void StoneSession::CallSetParameter(ByteReader& in) {
    const int32_t cutting = ReadCutting(in);
    int32_t count = ReadCount(in, 6);
    if (count > kMaxValues) count %= kMaxValues + 1;
    const size_t n = count > 0 ? static_cast<size_t>(count) : 0;
    GuardedBytes ids(n * sizeof(ParameterId));
    GuardedBytes values(n * sizeof(double));
    for (size_t i = 0; i < n; ++i) {
        const ParameterId id = ReadParameterId(in);
        double current = 0.0;
        GetParameter(&current, &id, 1, diamond_, 1);
        const double value = ReadValue(in, current);
        std::memcpy(ids.As<ParameterId>() + i, &id, sizeof id);
        std::memcpy(values.As<double>() + i, &value, sizeof value);
    }
    const auto idBytes = Bytes(ids.data(), ids.size());
    const auto valueBytes = Bytes(values.data(), values.size());
    const auto before = BlockBytes();

    // What the call must do: the single writes one after the other, up to
    // the first that fails.
    GuardedBytes expected(block_.size());
    std::memcpy(expected.data(), before.data(), before.size());
    Diamond reference{0, expected.data(), 0, nullptr};
    int32_t expectedResult = 1;
    for (size_t i = 0; i < n && expectedResult == 1; ++i)
        expectedResult = SetParameter(values.As<double>() + i, ids.As<ParameterId>() + i, 1, &reference, 1);

    const int32_t result = SetParameter(values.As<double>(), ids.As<ParameterId>(), count, diamond_, cutting);
    ExpectRecordIntact("SetParameter");
    ExpectVerticesUnwritten("SetParameter");
    if (!ids.GuardsIntact() || !values.GuardsIntact() || !Same(ids.data(), idBytes) || !Same(values.data(), valueBytes))
        Broken("SetParameter changed the identifiers or values it was given");
    if (cutting != 1) {
        if (result != 0) Broken("SetParameter succeeds for a cutting the plug-in does not offer");
        ExpectBlockUnchanged(before, "SetParameter for another cutting");
        return;
    }
    if (result != expectedResult) Broken("SetParameter's result differs from its single writes");
    if (!Same(block_.data(), Bytes(expected.data(), expected.size())))
        Broken("SetParameter leaves another block than its single writes one after the other");
}

void StoneSession::CallGetParameter(ByteReader& in) {
    const int32_t cutting = ReadCutting(in);
    int32_t count = ReadCount(in, 6);
    if (count > kMaxValues) count %= kMaxValues + 1;
    const size_t n = count > 0 ? static_cast<size_t>(count) : 0;
    GuardedBytes ids(n * sizeof(ParameterId));
    GuardedBytes values(n * sizeof(double));
    for (size_t i = 0; i < n; ++i) {
        const ParameterId id = ReadParameterId(in);
        std::memcpy(ids.As<ParameterId>() + i, &id, sizeof id);
    }
    FillUnwritten(values.As<double>(), n);
    const auto idBytes = Bytes(ids.data(), ids.size());
    const auto before = BlockBytes();

    // The single reads: which identifiers are served and what they give.
    GuardedBytes single(n * sizeof(double));
    FillUnwritten(single.As<double>(), n);
    int32_t expectedResult = 1;
    size_t reached = 0;  // slots the call may have written: up to and including the first failure
    for (size_t i = 0; i < n && expectedResult == 1; ++i, ++reached)
        expectedResult = GetParameter(single.As<double>() + i, ids.As<ParameterId>() + i, 1, diamond_, 1);
    ExpectBlockUnchanged(before, "GetParameter");

    const int32_t result = GetParameter(values.As<double>(), ids.As<ParameterId>(), count, diamond_, cutting);
    ExpectRecordIntact("GetParameter");
    ExpectVerticesUnwritten("GetParameter");
    ExpectBlockUnchanged(before, "GetParameter");
    if (!ids.GuardsIntact() || !Same(ids.data(), idBytes)) Broken("GetParameter changed the identifiers");
    if (!values.GuardsIntact()) Broken("GetParameter wrote outside its values array");
    if (cutting != 1) {
        if (result != 0) Broken("GetParameter succeeds for a cutting the plug-in does not offer");
        reached = 0;
    } else {
        if (result != expectedResult) Broken("GetParameter's result differs from its single reads");
        if (std::memcmp(values.data(), single.data(), reached * sizeof(double)) != 0)
            Broken("GetParameter's values differ from its single reads");
    }
    for (size_t i = reached; i < n; ++i)
        if (!IsUnwritten(values.As<const double>() + i)) Broken("GetParameter wrote past where it stopped");
}

void StoneSession::CallGetCuttingInfo(ByteReader& in) {
    static const int32_t kRequests[] = {InfoRequestGeneral, InfoRequestParameterName, InfoRequestParameterList,
                                        257, 258, 0, 261, -256};
    const uint8_t tag = in.Byte();
    const int32_t request = tag < 240 ? kRequests[tag % 8] : in.Raw<int32_t>();
    const int32_t cutting = ReadCutting(in);
    const bool served = cutting == 1 && (request == InfoRequestGeneral || request == InfoRequestParameterName ||
                                         request == InfoRequestParameterList);

    // A record as large as the largest of the three, bytes from the input
    // (always 48 of them, so an input means the same on every platform).
    constexpr size_t kRecordSize = std::max({sizeof(CuttingInfo), sizeof(ParameterNameQuery), sizeof(ParameterList)});
    uint8_t recordBytes[48];
    static_assert(kRecordSize <= sizeof recordBytes);
    in.Bytes(recordBytes, sizeof recordBytes);
    GuardedBytes record(kRecordSize);
    std::memcpy(record.data(), recordBytes, record.size());
    GuardedBytes listIds(0);
    if (request == InfoRequestParameterName) {
        auto* query = record.As<ParameterNameQuery>();
        query->id = ReadParameterId(in);
        query->name = kUnsetName;
    } else if (request == InfoRequestParameterList) {
        auto* list = record.As<ParameterList>();
        list->capacity = ReadCount(in, 40);
        list->count = ReadCount(in, 24);
        if (list->count > kMaxListStart) list->count %= kMaxListStart + 1;
        const uint8_t kind = in.Byte();
        list->listKind = kind < 200 ? 1 : static_cast<int32_t>(kind % 4);
        // The host's array holds `capacity` entries; the plug-in can reach
        // no further than count + the length of its list.
        const int64_t reach = std::max<int64_t>(list->count, 0) + static_cast<int64_t>(facts_.parameterList.size());
        const int64_t entries = std::clamp<int64_t>(std::min<int64_t>(list->capacity, reach), 0, 1 << 16);
        listIds = GuardedBytes(static_cast<size_t>(entries) * sizeof(ParameterId));
        for (int64_t i = 0; i < entries; ++i) listIds.As<ParameterId>()[i] = static_cast<ParameterId>(-7000 - i);
        list->ids = listIds.As<ParameterId>();
    }
    const auto before = Bytes(record.data(), record.size());
    const auto idsBefore = Bytes(listIds.data(), listIds.size());
    const auto block = BlockBytes();

    const int32_t result = GetCuttingInfo(record.data(), cutting, request);
    ExpectRecordIntact("GetCuttingInfo");
    ExpectBlockUnchanged(block, "GetCuttingInfo");
    ExpectVerticesUnwritten("GetCuttingInfo");
    if (!record.GuardsIntact()) Broken("GetCuttingInfo wrote outside its record");
    if (!listIds.GuardsIntact()) Broken("GetCuttingInfo wrote outside the parameter list's array");
    const bool untouched = Same(record.data(), before) && Same(listIds.data(), idsBefore);
    if (!served) {
        if (result != 0 || !untouched) Broken("GetCuttingInfo answers a request or cutting it does not serve");
        return;
    }
    if (request == InfoRequestGeneral) {
        const auto* info = record.As<const CuttingInfo>();
        if (result != 1 || info->blockSize != facts_.blockSize || info->infoKind != 1 ||
            std::memcmp(info->guid, facts_.guid, sizeof facts_.guid) != 0 || info->faces != facts_.faceTable ||
            info->name != facts_.name || info->secondName != info->name)
            Broken("request 256 does not describe the cutting as before");
    } else if (request == InfoRequestParameterName) {
        const auto* query = record.As<const ParameterNameQuery>();
        const auto* original = reinterpret_cast<const ParameterNameQuery*>(before.data());
        if (result != 1 || query->id != original->id) Broken("request 259 fails or changes the asked identifier");
        if (query->name != kUnsetName && !IsTerminatedString(query->name))
            Broken("request 259 gives no NUL-terminated name");
    } else {
        const auto* list = record.As<const ParameterList>();
        const auto* original = reinterpret_cast<const ParameterList*>(before.data());
        if (original->listKind != 1) {
            if (result != 0 || !untouched) Broken("request 260 appends with a list kind other than 1");
            return;
        }
        if (original->count < 0) {
            // Its first slot would lie before the host's array.
            if (result != 0 || !untouched) Broken("request 260 accepts a negative count");
            return;
        }
        // Appending by the rule, on a copy of the host's array.
        std::vector<ParameterId> expected(listIds.size() / sizeof(ParameterId));
        if (!expected.empty()) std::memcpy(expected.data(), idsBefore.data(), idsBefore.size());
        int32_t count = original->count;
        for (ParameterId id : facts_.parameterList)
            if (count < original->capacity) expected[static_cast<size_t>(count++)] = id;
        if (result != 1 || list->count != count || list->capacity != original->capacity ||
            list->listKind != original->listKind || list->ids != original->ids ||
            (!expected.empty() && std::memcmp(listIds.data(), expected.data(), idsBefore.size()) != 0))
            Broken("request 260 does not append the parameter list by the rule");
    }
}

void StoneSession::CallGetCuttingList(ByteReader& in) {
    const int32_t capacity = ReadCount(in, 4);
    const size_t entries = static_cast<size_t>(std::clamp(capacity, 0, kMaxCuttings));
    GuardedBytes ids(entries * sizeof(CuttingId));
    for (size_t i = 0; i < entries; ++i) ids.As<CuttingId>()[i] = 0x7F7F7F7F;
    const auto before = Bytes(ids.data(), ids.size());
    const int32_t result = GetCuttingList(ids.As<CuttingId>(), capacity);
    ExpectRecordIntact("GetCuttingList");
    if (!ids.GuardsIntact()) Broken("GetCuttingList wrote outside its array");
    if (capacity <= 0) {
        if (result != 0 || !Same(ids.data(), before)) Broken("GetCuttingList writes with no capacity");
        return;
    }
    // Exactly the one identifier, in the first entry.
    bool listed = result == 1 && ids.As<const CuttingId>()[0] == 1;
    for (size_t i = 1; i < entries; ++i) listed = listed && ids.As<const CuttingId>()[i] == 0x7F7F7F7F;
    if (!listed) Broken("GetCuttingList does not list exactly cutting 1");
}

void StoneSession::CallInitVertexOtherCutting(ByteReader& in) {
    int32_t cutting = ReadCutting(in);
    if (cutting == 1) cutting = 2;
    const auto block = BlockBytes();
    if (InitVertex(diamond_, cutting) != 0) Broken("InitVertex succeeds for a cutting the plug-in does not offer");
    if (IsCorrect(diamond_, cutting) != 0) Broken("IsCorrect accepts a cutting the plug-in does not offer");
    ExpectRecordIntact("InitVertex for another cutting");
    ExpectBlockUnchanged(block, "InitVertex for another cutting");
    ExpectVerticesUnwritten("InitVertex for another cutting");
}

void StoneSession::CallWithNullPointers(ByteReader& in) {
    const int32_t count = 1 + in.Byte() % 3;
    const ParameterId ids[3] = {ReadParameterId(in), ReadParameterId(in), ReadParameterId(in)};
    double values[3] = {0.0, 0.0, 0.0};
    const auto block = BlockBytes();

    Diamond noBlock{0, nullptr, 0, vertices_.As<double>()};
    Diamond noBuffer{0, block_.data(), 0, nullptr};
    struct Call {
        const char* what;
        int32_t result;
    };
    const Call calls[] = {
        {"GetCuttingList with no array", GetCuttingList(nullptr, count)},
        {"GetCuttingInfo 256 with no record", GetCuttingInfo(nullptr, 1, InfoRequestGeneral)},
        {"GetCuttingInfo 259 with no record", GetCuttingInfo(nullptr, 1, InfoRequestParameterName)},
        {"GetCuttingInfo 260 with no record", GetCuttingInfo(nullptr, 1, InfoRequestParameterList)},
        {"InitDiamond with no record", InitDiamond(nullptr, 1)},
        {"InitDiamond with no block", InitDiamond(&noBlock, 1)},
        {"InitVertex with no record", InitVertex(nullptr, 1)},
        {"InitVertex with no block", InitVertex(&noBlock, 1)},
        {"InitVertex with no buffer", InitVertex(&noBuffer, 1)},
        {"IsCorrect with no record", IsCorrect(nullptr, 1)},
        {"IsCorrect with no block", IsCorrect(&noBlock, 1)},
        {"GetParameter with no record", GetParameter(values, ids, count, nullptr, 1)},
        {"GetParameter with no block", GetParameter(values, ids, count, &noBlock, 1)},
        {"GetParameter with no values", GetParameter(nullptr, ids, count, diamond_, 1)},
        {"GetParameter with no identifiers", GetParameter(values, nullptr, count, diamond_, 1)},
        {"SetParameter with no record", SetParameter(values, ids, count, nullptr, 1)},
        {"SetParameter with no block", SetParameter(values, ids, count, &noBlock, 1)},
        {"SetParameter with no values", SetParameter(nullptr, ids, count, diamond_, 1)},
        {"SetParameter with no identifiers", SetParameter(values, nullptr, count, diamond_, 1)},
    };
    for (const Call& call : calls)
        if (call.result != 0) Broken((std::string(call.what) + " succeeds").c_str());
    ExpectRecordIntact("a call with a null pointer");
    ExpectBlockUnchanged(block, "a call with a null pointer");
    ExpectVerticesUnwritten("a call with a null pointer");
}

void StoneSession::CheckStone() {
    const auto block = BlockBytes();
    const int32_t verdict = IsCorrect(diamond_, 1);
    ExpectRecordIntact("IsCorrect");
    ExpectBlockUnchanged(block, "IsCorrect");
    ExpectVerticesUnwritten("IsCorrect");
    if (verdict != 0 && verdict != 1) Broken("IsCorrect answers neither 0 nor 1");
    if (IsCorrect(diamond_, 1) != verdict) Broken("IsCorrect changes its verdict on the same block");

    if (InitVertex(diamond_, 1) != 1) Broken("InitVertex fails for cutting 1");
    ExpectRecordIntact("InitVertex");
    ExpectBlockUnchanged(block, "InitVertex");
    const double* xyz = vertices_.As<const double>();
    for (size_t i = 0; i < facts_.VertexDoubles(); ++i)
        if (IsUnwritten(xyz + i)) Broken("InitVertex leaves part of the vertex buffer unwritten");

    GuardedBytes again(vertices_.size());
    FillUnwritten(again.As<double>(), facts_.VertexDoubles());
    Diamond other{0, block_.data(), 0, again.As<double>()};
    if (InitVertex(&other, 1) != 1 || !again.GuardsIntact() ||
        std::memcmp(again.data(), vertices_.data(), vertices_.size()) != 0)
        Broken("InitVertex gives different vertices for the same block");

    if (verdict == 1) {
        const std::string defect = SolidDefect(facts_.faces, xyz);
        if (!defect.empty() && KnownImproperStone(block_.data(), xyz) == nullptr)
            Broken(("IsCorrect accepts a block that is no proper solid: " + defect).c_str());
    }
    FillUnwritten(vertices_.As<double>(), facts_.VertexDoubles());
}

}  // namespace fuzz
