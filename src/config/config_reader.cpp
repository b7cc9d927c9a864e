#include "config/config_reader.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <variant>
#include <vector>

#include "base/split_line.h"
#include "base/text_numbers.h"

namespace {

struct ConfigKey {
    const char* name;
    std::variant<float Tuning::*, int32_t Tuning::*> field;
};

const ConfigKey kKeys[] = {
    {"CAM_OFFSET_X", &Tuning::CAM_OFFSET_X},
    {"CAM_OFFSET_Y", &Tuning::CAM_OFFSET_Y},
    {"CAM_OFFSET_Z", &Tuning::CAM_OFFSET_Z},
    {"FROM_X", &Tuning::FROM_X},
    {"FROM_Y", &Tuning::FROM_Y},
    {"FROM2_X", &Tuning::FROM2_X},
    {"FROM2_Y", &Tuning::FROM2_Y},
    {"FROM2_Z", &Tuning::FROM2_Z},
    {"GRAVITY", &Tuning::GRAVITY},
    {"WALK_SPEED", &Tuning::WALK_SPEED},
    {"RUN_SPEED", &Tuning::RUN_SPEED},
    {"SITSPEED", &Tuning::SITSPEED},
    {"MOUSE_SENC_X", &Tuning::MOUSE_SENC_X},
    {"MOUSE_SENC_Y", &Tuning::MOUSE_SENC_Y},
    {"FIRE_TIMEOUT", &Tuning::FIRE_TIMEOUT},
    {"BULLET_SPEED", &Tuning::BULLET_SPEED},
    {"RUN_TIME", &Tuning::RUN_TIME},
    {"RUN_TIMEOUT", &Tuning::RUN_TIMEOUT},
    {"JUMP_TIMEOUT", &Tuning::JUMP_TIMEOUT},
    {"INERTION", &Tuning::INERTION},
    {"VIEW_DISTANCE", &Tuning::VIEW_DISTANCE},
    {"SHOOT_DISTANCE", &Tuning::SHOOT_DISTANCE},
    {"CYL_SIDE_COUNT", &Tuning::CYL_SIDE_COUNT},
    {"SHOW_BOTS", &Tuning::SHOW_BOTS},
};

std::string UpperCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

[[noreturn]] void ThrowBadValue(std::string_view fileName, int lineNumber, std::string_view line) {
    std::ostringstream message;
    message << fileName << ":" << lineNumber << ": value does not convert: " << line;
    throw ConfigError(message.str());
}

// Stores `value` into the key's field; false when it does not convert.
bool StoreValue(const ConfigKey& key, const std::string& value, Tuning& tuning) {
    if (auto floatField = std::get_if<float Tuning::*>(&key.field)) {
        auto number = ParseReal(value);
        if (!number) return false;
        tuning.*(*floatField) = *number;
    } else {
        auto number = ParseInt32(value);
        if (!number) return false;
        tuning.*(std::get<int32_t Tuning::*>(key.field)) = *number;
    }
    return true;
}

}  // namespace

void ParseConfig(std::string_view text, std::string_view fileName, Tuning& tuning) {
    std::vector<std::string> tokens;
    int lineNumber = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        SplitLine(line, tokens);
        if (tokens.size() < 2) continue;
        std::string key = UpperCase(tokens[0]);
        auto match = std::find_if(std::begin(kKeys), std::end(kKeys),
                                  [&](const ConfigKey& k) { return key == k.name; });
        if (match == std::end(kKeys)) continue;
        if (!StoreValue(*match, tokens[1], tuning)) ThrowBadValue(fileName, lineNumber, line);
    }
    tuning.configMouseSencX = tuning.MOUSE_SENC_X;
    tuning.configMouseSencY = tuning.MOUSE_SENC_Y;
}

void ReadConfig(const std::filesystem::path& path, Tuning& tuning) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return;
    std::ostringstream contents;
    contents << file.rdbuf();
    ParseConfig(contents.str(), path.filename().string(), tuning);
}
