#include "guarded_memory.hpp"

#include <cstring>

namespace fuzz {
namespace {

uint8_t GuardByte(size_t i) { return static_cast<uint8_t>(0xA5u ^ (i * 29u)); }

constexpr uint64_t kMarkerBits = 0x7FF4DEADBEEF0B5Full;  // exponent all ones, quiet bit clear

}  // namespace

GuardedBytes::GuardedBytes(size_t size) : size_(size), storage_(size + 2 * kGuard) {
    for (size_t i = 0; i < kGuard; ++i) {
        storage_[i] = GuardByte(i);
        storage_[kGuard + size_ + i] = GuardByte(i + kGuard);
    }
}

bool GuardedBytes::GuardsIntact() const {
    for (size_t i = 0; i < kGuard; ++i) {
        if (storage_[i] != GuardByte(i)) return false;
        if (storage_[kGuard + size_ + i] != GuardByte(i + kGuard)) return false;
    }
    return true;
}

void FillUnwritten(double* slots, size_t n) {
    for (size_t i = 0; i < n; ++i) std::memcpy(slots + i, &kMarkerBits, sizeof kMarkerBits);
}

bool IsUnwritten(const double* slot) { return std::memcmp(slot, &kMarkerBits, sizeof kMarkerBits) == 0; }

}  // namespace fuzz
