// The seven entry points of the oval plug-in.
#include "oval_check.hpp"
#include "oval_construction.hpp"
#include "oval_description.hpp"
#include "oval_parameters.hpp"
#include "plugin_support.hpp"

namespace {

// The oval cutting "Lirento.P24C32", as the entry points see it.
struct OvalCutting {
    using Block = oval::OvalParams;

    static const Block& Defaults() { return oval::kDefaults; }
    static const uint8_t (&Guid())[16] { return oval::kGuid; }
    static const uint16_t* Faces() { return oval::kFaceTable.data(); }
    static const char* Name() { return oval::kName; }
    static std::span<const ParameterId> Parameters() { return oval::kParameterList; }
    static const char* DisplayName(ParameterId id) { return oval::DisplayName(id); }

    static void BuildVertices(const Block& p, double* vertices) {
        oval::OvalFrame frame{};
        oval::BuildOval(p, frame);
        oval::WriteVertices(frame, p.diameter, vertices);
    }
    static int32_t Check(const Block& p) { return oval::CheckOval(p); }
    static int32_t Read(const Block& p, ParameterId id, double* out) { return oval::ReadParameter(p, id, out); }
    static int32_t Write(Block& p, ParameterId id, double value) { return oval::WriteParameter(p, id, value); }
};

}  // namespace

CUTTING_DEFINE_SINGLE_CUTTING_PLUGIN(OvalCutting)
