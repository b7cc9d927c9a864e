#include "config/config_reader.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <sstream>
#include <variant>
#include <vector>

#include "base/split_line.h"
#include "base/text_numbers.h"

namespace {

struct ConfigKey {
    const char* name;
    std::variant<float Tuning::*, int32_t Tuning::*> field;
    // Accepted values, generous around the shipped ones: a stray exponent or sign is refused at
    // start-up instead of sending everyone flying in the match.
    double lowest;
    double highest;
};

const ConfigKey kKeys[] = {
    {"CAM_OFFSET_X", &Tuning::CAM_OFFSET_X, -10, 10},
    {"CAM_OFFSET_Y", &Tuning::CAM_OFFSET_Y, -10, 10},
    {"CAM_OFFSET_Z", &Tuning::CAM_OFFSET_Z, -10, 10},
    {"FROM_X", &Tuning::FROM_X, -10000, 10000},
    {"FROM_Y", &Tuning::FROM_Y, -10000, 10000},
    {"FROM2_X", &Tuning::FROM2_X, -1000, 1000},
    {"FROM2_Y", &Tuning::FROM2_Y, -1000, 1000},
    {"FROM2_Z", &Tuning::FROM2_Z, -1000, 1000},
    {"GRAVITY", &Tuning::GRAVITY, -10, 0},
    {"WALK_SPEED", &Tuning::WALK_SPEED, 0, 30},
    {"RUN_SPEED", &Tuning::RUN_SPEED, 0, 30},
    {"SITSPEED", &Tuning::SITSPEED, 0, 30},
    {"MOUSE_SENC_X", &Tuning::MOUSE_SENC_X, -10, 10},
    {"MOUSE_SENC_Y", &Tuning::MOUSE_SENC_Y, -10, 10},
    {"FIRE_TIMEOUT", &Tuning::FIRE_TIMEOUT, 0, 60000},
    // A bullet that does not move would never end.
    {"BULLET_SPEED", &Tuning::BULLET_SPEED, 0.01, 30},
    {"RUN_TIME", &Tuning::RUN_TIME, 0, 600000},
    {"RUN_TIMEOUT", &Tuning::RUN_TIMEOUT, 0, 600000},
    {"JUMP_TIMEOUT", &Tuning::JUMP_TIMEOUT, 0, 600000},
    {"INERTION", &Tuning::INERTION, 0, 10},
    {"VIEW_DISTANCE", &Tuning::VIEW_DISTANCE, 0, 10000},
    {"SHOOT_DISTANCE", &Tuning::SHOOT_DISTANCE, 0, 10000},
    // Fewer than three sides is no cylinder; the arena builder stops at 256.
    {"CYL_SIDE_COUNT", &Tuning::CYL_SIDE_COUNT, 3, 256},
    {"SHOW_BOTS", &Tuning::SHOW_BOTS, 0, 1},
};

std::string UpperCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

enum class ValueCheck { Stored, DoesNotConvert, OutOfRange };

[[noreturn]] void ThrowBadValue(std::string_view fileName, int lineNumber, std::string_view line,
                                ValueCheck check, const ConfigKey& key) {
    std::ostringstream message;
    message << fileName << ":" << lineNumber << ": ";
    if (check == ValueCheck::OutOfRange) {
        message << "value outside the accepted range " << key.lowest << " to " << key.highest;
    } else {
        message << "value does not convert";
    }
    message << ": " << line;
    throw ConfigError(message.str());
}

template <typename Number>
ValueCheck Store(std::optional<Number> number, Number Tuning::*field, const ConfigKey& key,
                 Tuning& tuning) {
    if (!number) return ValueCheck::DoesNotConvert;
    // Compared in the field's own type, so that "0.01" meets a bound of 0.01.
    if (*number < static_cast<Number>(key.lowest) || *number > static_cast<Number>(key.highest)) {
        return ValueCheck::OutOfRange;
    }
    tuning.*field = *number;
    return ValueCheck::Stored;
}

ValueCheck StoreValue(const ConfigKey& key, const std::string& value, Tuning& tuning) {
    if (auto floatField = std::get_if<float Tuning::*>(&key.field)) {
        return Store(ParseReal(value), *floatField, key, tuning);
    }
    return Store(ParseInt32(value), std::get<int32_t Tuning::*>(key.field), key, tuning);
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
        const ValueCheck check = StoreValue(*match, tokens[1], tuning);
        if (check != ValueCheck::Stored) ThrowBadValue(fileName, lineNumber, line, check, *match);
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
