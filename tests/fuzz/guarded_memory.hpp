// Memory handed to a plug-in inside guard zones: a known byte pattern before
// and after the payload shows any write outside it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fuzz {

class GuardedBytes {
public:
    // Bytes of pattern on each side of the payload; a multiple of 16 so the
    // payload keeps the alignment of the storage.
    static constexpr size_t kGuard = 64;

    explicit GuardedBytes(size_t size);

    uint8_t* data() { return storage_.data() + kGuard; }
    const uint8_t* data() const { return storage_.data() + kGuard; }
    size_t size() const { return size_; }

    template <class T>
    T* As() {
        return reinterpret_cast<T*>(data());
    }
    template <class T>
    const T* As() const {
        return reinterpret_cast<const T*>(data());
    }

    // Both guard zones still hold their pattern.
    bool GuardsIntact() const;

private:
    size_t size_;
    std::vector<uint8_t> storage_;
};

// Fills n doubles with a bit pattern no computation produces: a signalling
// NaN with a marked payload (arithmetic on it yields a quiet NaN). A slot
// that still holds these bits was not written. Copied as bits, never loaded
// as a double, so that no floating-point unit quiets it on the way.
void FillUnwritten(double* slots, size_t n);
bool IsUnwritten(const double* slot);

}  // namespace fuzz
