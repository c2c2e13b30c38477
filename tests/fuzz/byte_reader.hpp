// Reads a fuzz input front to back as bytes, integers and doubles. Past the
// end every read yields zeros, so any input decodes to some program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace fuzz {

class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool AtEnd() const { return pos_ >= size_; }

    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    // Copies n bytes into out, zero-filling what the input lacks.
    void Bytes(void* out, size_t n) {
        auto* dst = static_cast<uint8_t*>(out);
        for (size_t i = 0; i < n; ++i) dst[i] = Byte();
    }

    template <class T>
    T Raw() {
        T value;
        Bytes(&value, sizeof value);
        return value;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

}  // namespace fuzz
