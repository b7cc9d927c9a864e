#include "world/map_file.h"

#include <optional>

#include "base/split_line.h"
#include "base/text_numbers.h"
#include "world/text_lines.h"

namespace {

enum class Section {
    Floor,
    Sky,
    Cap,
    Side,
    Players,
    TeamPlayers,
    Chargers,
    BlueFlag,
    RedFlag,
    Cylinders
};

std::optional<Section> SectionKeyword(std::string_view line) {
    static constexpr std::pair<std::string_view, Section> kKeywords[] = {
        {"floorbitmap:", Section::Floor}, {"skybitmap:", Section::Sky},
        {"cylcapbitmap:", Section::Cap},  {"cylsidebitmap:", Section::Side},
        {"players", Section::Players},    {"teamplayers", Section::TeamPlayers},
        {"chargers", Section::Chargers},  {"blueflag", Section::BlueFlag},
        {"redflag", Section::RedFlag},    {"cylinders", Section::Cylinders}};
    for (const auto& [word, section] : kKeywords) {
        if (line == word) return section;
    }
    return std::nullopt;
}

class MapReader {
  public:
    MapReader(std::string_view text, std::string_view fileName) : lines_(text, fileName) {}

    MapDescription Read() {
        Section current = Section::Cylinders;
        while (!lines_.AtEnd()) {
            const auto keyword = SectionKeyword(lines_.TakeLine());
            if (keyword) {
                current = *keyword;
                ReadSection(current);
            } else {
                ReadRecordsAgain(current);
            }
        }
        if (map_.cylinders.empty()) lines_.Fail("the map has no cylinders");
        return std::move(map_);
    }

  private:
    void ReadSection(Section section) {
        switch (section) {
            case Section::Floor:
                if (!lines_.AtEnd()) map_.floorTextureName = TruncateName(lines_.TakeLine());
                return;
            case Section::Sky:
                if (!lines_.AtEnd()) map_.skyTextureName = TruncateName(lines_.TakeLine());
                return;
            case Section::Cap:
                if (!lines_.AtEnd()) map_.capTextureName = TruncateName(lines_.TakeLine());
                return;
            case Section::Side:
                if (!lines_.AtEnd()) map_.sideTextureName = TruncateName(lines_.TakeLine());
                return;
            case Section::Players:
            case Section::TeamPlayers:
            case Section::Chargers:
                recordCount_ =
                    ReadCount(section == Section::Chargers ? kMaxChargers : kMaxSpawnPoints);
                break;
            case Section::BlueFlag:
            case Section::RedFlag:
                break;
            case Section::Cylinders:
                lines_.ReadInt();  // read, but the cylinders run to the end of the file
                lines_.FinishValues();
                break;
        }
        if (lines_.AtEnd()) return;
        lines_.TakeLine();  // the column header
        ReadRecordsAgain(section);
    }

    // The records of a section, as read after its header or after a line that is no keyword.
    void ReadRecordsAgain(Section section) {
        switch (section) {
            case Section::Players:
            case Section::TeamPlayers:
                for (int32_t i = 0; i < recordCount_ && !lines_.AtEnd(); ++i)
                    ReadSpawnPoint(section == Section::TeamPlayers);
                return;
            case Section::Chargers:
                for (int32_t i = 0; i < recordCount_ && !lines_.AtEnd(); ++i) ReadCharger();
                return;
            case Section::BlueFlag:
                if (!lines_.AtEnd()) map_.blueFlagHome = ReadFlagHome();
                return;
            case Section::RedFlag:
                if (!lines_.AtEnd()) map_.redFlagHome = ReadFlagHome();
                return;
            case Section::Cylinders:
                while (!lines_.AtEnd()) ReadCylinderLine(lines_.TakeLine());
                return;
            default:
                return;  // a stray line after a texture name changes nothing
        }
    }

    int32_t ReadCount(size_t maximum) {
        const int32_t count = lines_.ReadInt();
        lines_.FinishValues();
        if (count < 0 || static_cast<size_t>(count) > maximum)
            lines_.Fail("count must be between 0 and " + std::to_string(maximum));
        return count;
    }

    void ReadSpawnPoint(bool withTeam) {
        tspawnpoint point;
        point.x = lines_.ReadReal();
        point.y = lines_.ReadReal();
        point.z = lines_.ReadReal();
        point.angle = lines_.ReadReal();
        if (withTeam) point.team = lines_.ReadInt();
        lines_.FinishValues();
        if (map_.spawnPoints.size() >= kMaxSpawnPoints)
            lines_.Fail("more than " + std::to_string(kMaxSpawnPoints) + " spawn points");
        map_.spawnPoints.push_back(point);
    }

    void ReadCharger() {
        tcharger charger;
        charger.x = lines_.ReadReal();
        charger.y = lines_.ReadReal();
        charger.z = lines_.ReadReal();
        charger.respawnInterval = lines_.ReadInt();
        lines_.FinishValues();
        if (map_.chargers.size() >= kMaxChargers)
            lines_.Fail("more than " + std::to_string(kMaxChargers) + " chargers");
        map_.chargers.push_back(charger);
    }

    tvec3 ReadFlagHome() {
        tvec3 home;
        home.x = lines_.ReadReal();
        home.y = lines_.ReadReal();
        home.z = lines_.ReadReal();
        lines_.FinishValues();
        return home;
    }

    // "x y z radius height", or a texture switch: "cylcapbitmap NAME" / "cylsidebitmap NAME".
    void ReadCylinderLine(std::string_view line) {
        SplitLine(line, tokens_);
        if (tokens_.empty()) return;
        if (tokens_[0] == "cylcapbitmap" || tokens_[0] == "cylsidebitmap") {
            if (tokens_.size() < 2) lines_.Fail(tokens_[0] + " needs a texture name");
            (tokens_[0] == "cylcapbitmap" ? map_.capTextureName : map_.sideTextureName) =
                TruncateName(tokens_[1]);
            return;
        }
        if (tokens_.size() < 5) lines_.Fail("a cylinder line needs x, y, z, radius and height");
        float values[5];
        for (size_t i = 0; i < 5; ++i) {
            const auto value = ParseReal(tokens_[i]);
            if (!value) lines_.Fail("'" + tokens_[i] + "' is not a number");
            values[i] = *value;
        }
        if (values[3] < 0 || values[4] < 0) lines_.Fail("a cylinder cannot have a negative size");
        if (map_.cylinders.size() >= kMaxCylinders)
            lines_.Fail("more than " + std::to_string(kMaxCylinders) + " cylinders");
        map_.cylinders.push_back({values[0], values[1], values[2], values[3], values[4],
                                  map_.capTextureName, map_.sideTextureName});
    }

    TextLines lines_;
    MapDescription map_;
    int32_t recordCount_ = 0;
    std::vector<std::string> tokens_;
};

}  // namespace

MapDescription ParseMapFile(std::string_view text, std::string_view fileName) {
    return MapReader(text, fileName).Read();
}
