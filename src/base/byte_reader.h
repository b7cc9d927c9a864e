// ByteReader: reads little-endian values from a byte span without ever passing its end. A read
// past the end yields 0 and sets a sticky error that the caller tests once when done.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

class ByteReader {
  public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    uint8_t U8() { return Has(1) ? bytes_[offset_++] : 0; }
    uint16_t U16() {
        if (!Has(2)) return 0;
        const uint16_t value = static_cast<uint16_t>(bytes_[offset_] | bytes_[offset_ + 1] << 8);
        offset_ += 2;
        return value;
    }
    uint32_t U32() {
        if (!Has(4)) return 0;
        uint32_t value = 0;
        for (int i = 3; i >= 0; --i) value = value << 8 | bytes_[offset_ + static_cast<size_t>(i)];
        offset_ += 4;
        return value;
    }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    void Skip(size_t count) {
        if (Has(count)) offset_ += count;
    }
    void Seek(size_t offset) {
        if (offset <= bytes_.size()) {
            offset_ = offset;
        } else {
            failed_ = true;
        }
    }

    size_t Offset() const { return offset_; }
    size_t Remaining() const { return bytes_.size() - offset_; }
    bool Failed() const { return failed_; }

  private:
    bool Has(size_t count) {
        if (failed_ || count > bytes_.size() - offset_) {
            failed_ = true;
            return false;
        }
        return true;
    }

    std::span<const uint8_t> bytes_;
    size_t offset_ = 0;
    bool failed_ = false;
};
