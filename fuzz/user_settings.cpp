// Arbitrary conf2.cfg bytes: a record of the right size decodes with clamped strings and encodes
// back to the same bytes except for clamped length bytes; any other size is refused.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "config/user_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size != kUserSettingsSize) return 0;
    std::span<const uint8_t, kUserSettingsSize> bytes(data, kUserSettingsSize);
    tusersettings settings = DecodeUserSettings(bytes);
    if (settings.playerName.View().size() > 64 || settings.serverAddress.View().size() > 15) {
        std::abort();
    }
    UserSettingsBytes again = EncodeUserSettings(settings);
    if (DecodeUserSettings(again).serverName.View() != settings.serverName.View()) std::abort();
    return 0;
}
