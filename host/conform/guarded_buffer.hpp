// Memory handed to a plug-in under test: the payload sits between two guard
// zones filled with a known pattern, so a write outside it shows, and the
// payload itself starts out filled with a canary byte, so a write inside it
// shows too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace cutting::host::conform {

class GuardedBuffer {
public:
    static constexpr size_t kGuardSize = 256;  // bytes on either side

    explicit GuardedBuffer(size_t size, uint8_t canary = 0xA5);

    // The payload, aligned for doubles.
    std::byte* Data() { return storage_.data() + kGuardSize; }
    const std::byte* Data() const { return storage_.data() + kGuardSize; }
    size_t Size() const { return size_; }
    template <class T>
    T* As() {
        return reinterpret_cast<T*>(Data());
    }

    // Fills the payload with `canary` again.
    void Fill(uint8_t canary);

    // A copy of the payload, for comparing before and after a call.
    std::vector<std::byte> Snapshot() const;

    // "" when both guard zones are intact, else where they were written:
    // "3 bytes after the end (first at +0)".
    std::string GuardDamage() const;

    // "" when the payload equals `before`, else the first difference:
    // "byte 12 changed from A5 to 00 (4 bytes changed)".
    std::string ChangesSince(const std::vector<std::byte>& before) const;

private:
    size_t size_;
    std::vector<std::byte> storage_;
};

// The pattern byte of the guard zones at a given position.
uint8_t GuardPattern(size_t position);

}  // namespace cutting::host::conform
