#include "config/user_settings.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include <unistd.h>

namespace {

void PutInt32(uint8_t* out, int32_t value) {
    uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(bits >> (8 * i));
}

int32_t GetInt32(const uint8_t* in) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(in[i]) << (8 * i);
    return static_cast<int32_t>(bits);
}

// Short strings travel byte for byte, stale bytes after the length included; only the length is
// clamped on the way in.
template <std::size_t Capacity>
void PutShortString(uint8_t* out, const ShortString<Capacity>& text) {
    out[0] = text.length;
    std::memcpy(out + 1, text.chars, Capacity);
}

template <std::size_t Capacity>
void GetShortString(const uint8_t* in, ShortString<Capacity>& text) {
    text.length = static_cast<uint8_t>(std::min<std::size_t>(in[0], Capacity));
    std::memcpy(text.chars, in + 1, Capacity);
}

[[noreturn]] void ThrowFileError(const std::filesystem::path& path, const char* what) {
    throw std::runtime_error(path.string() + ": " + what + ": " + std::strerror(errno));
}

// Why `path` cannot be the record, or empty when `bytes` now holds it.
std::string ReadRecord(const std::filesystem::path& path, UserSettingsBytes& bytes) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error) return "cannot read: " + error.message();
    if (size != kUserSettingsSize) {
        return std::to_string(size) + " bytes instead of " + std::to_string(kUserSettingsSize);
    }
    std::ifstream file(path, std::ios::binary);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), bytes.size())) {
        return std::string("cannot read: ") + std::strerror(errno);
    }
    return {};
}

// Root may write any file, so the owner's write bit decides too.
bool IsReadOnly(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) return false;
    const bool ownerMayWrite = (status.permissions() & std::filesystem::perms::owner_write) !=
                               std::filesystem::perms::none;
    return !ownerMayWrite || access(path.c_str(), W_OK) != 0;
}

}  // namespace

tusersettings DefaultUserSettings(int32_t screenWidth, int32_t screenHeight) {
    tusersettings settings;
    settings.screenWidth = screenWidth;
    settings.screenHeight = screenHeight;
    settings.playerName.Assign("Player1");
    settings.serverName.Assign("ZarnokServer");
    settings.serverAddress.Assign("127.0.0.1");
    return settings;
}

UserSettingsBytes EncodeUserSettings(const tusersettings& settings) {
    UserSettingsBytes bytes{};
    uint8_t* out = bytes.data();
    PutInt32(out + offsetof(tusersettings, mouseSensitivity), settings.mouseSensitivity);
    PutInt32(out + offsetof(tusersettings, screenWidth), settings.screenWidth);
    PutInt32(out + offsetof(tusersettings, screenHeight), settings.screenHeight);
    PutInt32(out + offsetof(tusersettings, detailLevel), settings.detailLevel);
    PutInt32(out + offsetof(tusersettings, soundVolume), settings.soundVolume);
    PutShortString(out + offsetof(tusersettings, playerName), settings.playerName);
    PutShortString(out + offsetof(tusersettings, serverName), settings.serverName);
    PutShortString(out + offsetof(tusersettings, serverAddress), settings.serverAddress);
    return bytes;
}

tusersettings DecodeUserSettings(std::span<const uint8_t, kUserSettingsSize> bytes) {
    const uint8_t* in = bytes.data();
    tusersettings settings;
    settings.mouseSensitivity = GetInt32(in + offsetof(tusersettings, mouseSensitivity));
    settings.screenWidth = GetInt32(in + offsetof(tusersettings, screenWidth));
    settings.screenHeight = GetInt32(in + offsetof(tusersettings, screenHeight));
    settings.detailLevel = GetInt32(in + offsetof(tusersettings, detailLevel));
    settings.soundVolume = GetInt32(in + offsetof(tusersettings, soundVolume));
    GetShortString(in + offsetof(tusersettings, playerName), settings.playerName);
    GetShortString(in + offsetof(tusersettings, serverName), settings.serverName);
    GetShortString(in + offsetof(tusersettings, serverAddress), settings.serverAddress);
    return settings;
}

UserSettingsRead ReadUserSettings(const std::filesystem::path& path, int32_t screenWidth,
                                  int32_t screenHeight, bool mayWrite) {
    UserSettingsRead read{DefaultUserSettings(screenWidth, screenHeight), {}};
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        UserSettingsBytes bytes{};
        const std::string damage = ReadRecord(path, bytes);
        if (damage.empty()) {
            read.settings = DecodeUserSettings(bytes);
            return read;
        }
        // Nothing is written, so the damaged file stays where it is for a later start.
        if (!mayWrite) {
            read.damageNotice =
                path.string() + ": " + damage + "; starting with the default settings";
            return read;
        }
        std::filesystem::path aside = path;
        aside += ".damaged";
        // Without a copy kept aside the defaults would overwrite the user's bytes at exit.
        if (std::rename(path.c_str(), aside.c_str()) != 0) {
            ThrowFileError(path, (damage + "; cannot move it to " + aside.string()).c_str());
        }
        read.damageNotice = path.string() + ": " + damage + "; kept as " + aside.string() +
                            ", starting with the default settings";
    }
    if (mayWrite) WriteUserSettings(path, read.settings);
    return read;
}

void WriteUserSettings(const std::filesystem::path& path, const tusersettings& settings) {
    if (IsReadOnly(path)) throw std::runtime_error(path.string() + ": the file is read-only");
    UserSettingsBytes bytes = EncodeUserSettings(settings);
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) ThrowFileError(temporary, "cannot create");
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                   std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    if (std::fclose(file) != 0) written = false;
    if (!written) {
        int savedErrno = errno;
        std::remove(temporary.c_str());
        errno = savedErrno;
        ThrowFileError(temporary, "cannot write");
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        int savedErrno = errno;
        std::remove(temporary.c_str());
        errno = savedErrno;
        ThrowFileError(path, "cannot replace");
    }
}
