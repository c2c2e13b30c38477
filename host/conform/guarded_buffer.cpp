#include "conform/guarded_buffer.hpp"

#include <cstring>
#include <fmt/format.h>

namespace cutting::host::conform {

uint8_t GuardPattern(size_t position) { return static_cast<uint8_t>(0xC3 ^ (position * 37)); }

GuardedBuffer::GuardedBuffer(size_t size, uint8_t canary) : size_(size), storage_(size + 2 * kGuardSize) {
    for (size_t i = 0; i < kGuardSize; ++i) {
        storage_[i] = std::byte{GuardPattern(i)};
        storage_[kGuardSize + size_ + i] = std::byte{GuardPattern(i)};
    }
    Fill(canary);
}

void GuardedBuffer::Fill(uint8_t canary) {
    if (size_ > 0) std::memset(Data(), canary, size_);
}

std::vector<std::byte> GuardedBuffer::Snapshot() const { return std::vector<std::byte>(Data(), Data() + size_); }

std::string GuardedBuffer::GuardDamage() const {
    size_t before = 0, after = 0;
    size_t firstBefore = 0, firstAfter = 0;
    for (size_t i = 0; i < kGuardSize; ++i) {
        // Counted from the payload outwards: -1 is the byte just before it.
        const size_t outward = kGuardSize - 1 - i;
        if (storage_[outward] != std::byte{GuardPattern(outward)}) {
            if (before++ == 0) firstBefore = i + 1;
        }
        if (storage_[kGuardSize + size_ + i] != std::byte{GuardPattern(i)}) {
            if (after++ == 0) firstAfter = i;
        }
    }
    std::string damage;
    if (after > 0) damage = fmt::format("{} bytes written after the end (first at +{})", after, firstAfter);
    if (before > 0) {
        if (!damage.empty()) damage += ", ";
        damage += fmt::format("{} bytes written before the start (nearest at -{})", before, firstBefore);
    }
    return damage;
}

std::string GuardedBuffer::ChangesSince(const std::vector<std::byte>& before) const {
    size_t changed = 0, first = 0;
    for (size_t i = 0; i < size_ && i < before.size(); ++i) {
        if (Data()[i] != before[i] && changed++ == 0) first = i;
    }
    if (changed == 0) return "";
    return fmt::format("byte {} changed from {:02X} to {:02X} ({} bytes changed)", first,
                       std::to_integer<unsigned>(before[first]), std::to_integer<unsigned>(Data()[first]), changed);
}

}  // namespace cutting::host::conform
