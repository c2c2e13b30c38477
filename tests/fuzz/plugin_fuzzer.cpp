// Fuzz target for one cutting plug-in (the one linked into this program).
//
// The input is a little program over one stone: each step takes an operation
// byte and its operands from the input (raw block bytes, one field set to a
// special or plausible value, the variant, or a call of an entry point with
// decoded identifiers, counts, values and records). After every call the
// contract is checked: nothing written outside what the call was handed,
// failures touch nothing, IsCorrect writes nothing, InitVertex is
// deterministic and writes every vertex, and a block IsCorrect accepts gives
// finite vertices forming a proper solid. Every input ends with that check
// of the final block.
#include "byte_reader.hpp"
#include "stone_session.hpp"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::ByteReader in(data, size);
    fuzz::StoneSession stone;
    int steps = 0;
    while (!in.AtEnd() && steps++ < 64) {
        switch (in.Byte() % 12) {
            case 0: stone.SetRawBlock(in); break;
            case 1:
            case 2: stone.SetField(in); break;
            case 3: stone.SetVariant(in); break;
            case 4: stone.CallInitDiamond(in); break;
            case 5: stone.CallSetParameter(in); break;
            case 6: stone.CallGetParameter(in); break;
            case 7: stone.CallGetCuttingInfo(in); break;
            case 8: stone.CallGetCuttingList(in); break;
            case 9: stone.CallInitVertexOtherCutting(in); break;
            case 10: stone.CallWithNullPointers(in); break;
            default: stone.CheckStone(); break;
        }
    }
    stone.CheckStone();
    return 0;
}
