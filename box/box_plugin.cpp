// The seven entry points of the box plug-in.
#include "box_cutting.hpp"
#include "plugin_support.hpp"

namespace {

// The box cutting "Tavolet", as the entry points see it.
struct BoxCutting {
    using Block = box::BoxParams;

    static const Block& Defaults() { return box::kDefaults; }
    static const uint8_t (&Guid())[16] { return box::kGuid; }
    static const uint16_t* Faces() { return box::kFaces; }
    static const char* Name() { return box::kName; }
    static std::span<const ParameterId> Parameters() { return box::kParameterList; }
    // The box has no parameters of its own, so no display names.
    static const char* DisplayName(ParameterId) { return nullptr; }

    static void BuildVertices(const Block& p, double* vertices) { box::BuildBoxVertices(p, vertices); }
    static int32_t Check(const Block& p) { return box::CheckBox(p); }
    static int32_t Read(const Block& p, ParameterId id, double* out) { return box::ReadBoxParameter(p, id, out); }
    static int32_t Write(Block& p, ParameterId id, double value) { return box::WriteBoxParameter(p, id, value); }
};

}  // namespace

CUTTING_DEFINE_SINGLE_CUTTING_PLUGIN(BoxCutting)
