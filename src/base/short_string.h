// ShortString: a length byte followed by a fixed field of characters, as records, files and
// datagrams store text (up to 15 characters take 16 bytes, up to 64 take 65). Bytes past the
// length are undefined; a length byte larger than the field is clamped on every read, so a
// damaged record never makes a reader go past its field.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

template <std::size_t Capacity>
struct ShortString {
    static_assert(Capacity > 0 && Capacity < 256);
    uint8_t length = 0;
    char chars[Capacity] = {};

    std::size_t Size() const { return std::min<std::size_t>(length, Capacity); }
    std::string_view View() const { return std::string_view(chars, Size()); }
    // Stores `text`, cut to the capacity; the bytes after it keep what they held.
    void Assign(std::string_view text) {
        std::size_t size = std::min(text.size(), Capacity);
        std::copy_n(text.data(), size, chars);
        length = static_cast<uint8_t>(size);
    }
};
