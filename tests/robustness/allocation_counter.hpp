// Counts calls to the allocator while counting is switched on: malloc,
// calloc, realloc, the aligned allocations and every operator new, whoever
// calls them (the test program, a plug-in it loaded, the C library).
//
// In a plain build the test program defines those functions itself, in front
// of the C library's, and forwards them to glibc's own entry points. Under a
// sanitizer, which brings its own allocator, it installs the sanitizer's
// allocation hooks instead.
#pragma once

#include <cstddef>

namespace robustness {

class AllocationCount {
public:
    // Counting from here to Stop(), on any thread.
    static void Start();
    // Stops counting; the number of allocations seen since Start().
    static long Stop();
};

}  // namespace robustness
