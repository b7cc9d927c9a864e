// Wire codec: a bounded little-endian reader and writer for datagrams. The reader checks the
// remaining size before every read and keeps a sticky error flag; callers read a whole message and
// test `ok()` once at the end, dropping the message on error. The writer fills a zeroed 1024-byte
// buffer and flags (never performs) a write past its end. Records are read and written field by
// field; the reader refuses what no honest sender produces (string lengths over capacity,
// non-finite reals, out-of-range enumerations, a map name that is not a bare file name).
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "net/wire_records.h"

using tdatagram = std::array<uint8_t, kDatagramSize>;

class WireReader {
  public:
    explicit WireReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool ok() const { return !failed_; }
    size_t offset() const { return offset_; }
    void Fail() { failed_ = true; }

    uint8_t U8();
    int8_t I8() { return static_cast<int8_t>(U8()); }
    int32_t I32();
    float F32();  // a NaN or infinity fails the message
    void Skip(size_t count);
    // A count of records of `recordSize` bytes: 0..maxCount and no more than the bytes left.
    int32_t Count(int32_t maxCount, size_t recordSize);

    template <size_t N>
    tshortstring<N> ShortString() {
        tshortstring<N> text;
        text.length = U8();
        if (text.length > N) Fail();
        for (size_t i = 0; i < N; ++i) {
            uint8_t c = U8();
            if (i < text.length && ok()) text.chars[i] = static_cast<char>(c);
        }
        if (!ok()) text = {};
        return text;
    }

    tvec3 Vec3();
    tplayerinfo PlayerInfo();
    tteamflag TeamFlag();
    tgamesettings GameSettings();

  private:
    bool Has(size_t count) {
        if (failed_ || bytes_.size() - offset_ < count) failed_ = true;
        return !failed_;
    }

    std::span<const uint8_t> bytes_;
    size_t offset_ = 0;
    bool failed_ = false;
};

class WireWriter {
  public:
    WireWriter() { buffer_.fill(0); }

    bool ok() const { return !failed_; }
    size_t size() const { return offset_; }
    const tdatagram& datagram() const { return buffer_; }

    void U8(uint8_t value);
    void I8(int8_t value) { U8(static_cast<uint8_t>(value)); }
    void I32(int32_t value);
    void F32(float value);
    void Zeros(size_t count);

    template <size_t N>
    void ShortString(const tshortstring<N>& text) {
        uint8_t length = text.length <= N ? text.length : static_cast<uint8_t>(N);
        U8(length);
        for (size_t i = 0; i < N; ++i) U8(i < length ? static_cast<uint8_t>(text.chars[i]) : 0);
    }

    void Vec3(const tvec3& value);
    void PlayerInfo(const tplayerinfo& info);
    void TeamFlag(const tteamflag& flag);
    void GameSettings(const tgamesettings& settings);

  private:
    bool Has(size_t count) {
        if (failed_ || buffer_.size() - offset_ < count) failed_ = true;
        return !failed_;
    }

    tdatagram buffer_;
    size_t offset_ = 0;
    bool failed_ = false;
};
