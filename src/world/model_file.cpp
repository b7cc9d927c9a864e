#include "world/model_file.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "base/load_error.h"
#include "world/text_lines.h"

namespace {

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// Lines where an animation's checked values were given, for error messages at block end.
struct AnimationLines {
    int name = 0;
    int frames = 0;
    int cursor = 0;
};

class ModelReader {
  public:
    ModelReader(std::string_view text, std::string_view fileName) : lines_(text, fileName) {}

    ModelDescription Read() {
        while (!lines_.AtEnd()) {
            const std::string keyword = UpperCase(lines_.TakeLine());
            const int keywordLine = lines_.LineNumber();
            if (lines_.AtEnd()) break;
            if (!ReadKeyword(keyword, keywordLine)) lines_.TakeLine();
        }
        CloseBlock();
        CheckAnimationListsMatch();
        CheckSeatHasHead();
        return std::move(model_);
    }

  private:
    // Reads the values of a known keyword; false for a line that is not one.
    bool ReadKeyword(const std::string& keyword, int keywordLine) {
        if (keyword == "TYPE") {
            ReadType();
            return true;
        }
        static constexpr std::string_view kProperties[] = {
            "NAME",     "TEXNAME",        "POSITION",  "SEGS",       "COLOR",
            "SHIFT",    "ROTATION",       "ROTATIONZ", "ANIMATIONS", "ANIMNAME",
            "INTERVAL", "ANIMFRAMECOUNT", "CURFRAME",  "ANIM"};
        if (std::find(std::begin(kProperties), std::end(kProperties), keyword) ==
            std::end(kProperties))
            return false;
        if (!block_) FailAt(keywordLine, keyword + " comes before the first TYPE");
        ModelBlock& block = *block_;
        if (keyword == "NAME") {
            block.name = TruncateName(lines_.TakeLine());
        } else if (keyword == "TEXNAME") {
            block.textureName = TruncateName(lines_.TakeLine());
        } else if (keyword == "POSITION") {
            block.position = ReadVector();
            block.radius = lines_.ReadReal();
            block.height = lines_.ReadReal();
        } else if (keyword == "SEGS") {
            block.around = ReadCount(kMaxSegments, "segment count");
            block.along = ReadCount(kMaxSegments, "segment count");
        } else if (keyword == "COLOR") {
            block.colour = lines_.ReadColourWord();
        } else if (keyword == "SHIFT") {
            const tvec3 shift = ReadVector();
            if (block.poses.size() >= kMaxPosesPerBlock) lines_.Fail("too many SHIFT lines");
            block.poses.push_back({shift, {}});
        } else if (keyword == "ROTATION" || keyword == "ROTATIONZ") {
            ReadRotation(block, keyword == "ROTATIONZ");
        } else if (keyword == "ANIMATIONS") {
            const int32_t count = ReadCount(kMaxAnimations, "animation count");
            if (selected_ >= count)
                lines_.Fail("ANIMATIONS is smaller than the ANIMNAME lines before it");
            block.animations.resize(static_cast<size_t>(count));
            animationLines_.resize(static_cast<size_t>(count));
        } else if (keyword == "ANIMNAME") {
            const std::string name = TruncateName(lines_.TakeLine());
            if (selected_ + 1 >= static_cast<int32_t>(block.animations.size()))
                lines_.Fail("more ANIMNAME lines than ANIMATIONS");
            ++selected_;
            tanimation& animation = block.animations[static_cast<size_t>(selected_)];
            animation.name = name;
            animation.playOnce = name == "death" || name == "jump";
            animationLines_[static_cast<size_t>(selected_)].name = lines_.LineNumber();
        } else {
            ReadAnimationValue(keyword, keywordLine);
        }
        lines_.FinishValues();
        return true;
    }

    void ReadType() {
        const std::string value = UpperCase(lines_.TakeLine());
        selected_ = -1;
        std::optional<PartKind> kind;
        if (value == "CYLINDER") kind = PartKind::Cylinder;
        if (value == "SPHERE") kind = PartKind::Sphere;
        if (!kind) return;
        CloseBlock();
        if (model_.blocks.size() >= kMaxModelBlocks) lines_.Fail("too many parts");
        model_.blocks.emplace_back();
        block_ = &model_.blocks.back();
        block_->kind = *kind;
        block_->typeLine = lines_.LineNumber() - 1;
        animationLines_.clear();
    }

    void ReadRotation(ModelBlock& block, bool withZ) {
        const float rx = lines_.ReadReal();
        const float ry = lines_.ReadReal();
        const float rz = withZ ? lines_.ReadReal() : 0.0f;
        if (block.kind == PartKind::Sphere) return;  // spheres are never turned
        if (block.poses.empty()) lines_.Fail("ROTATION comes before the first SHIFT of its part");
        block.poses.back().rotation = {rx, ry, rz};
    }

    void ReadAnimationValue(const std::string& keyword, int keywordLine) {
        if (selected_ < 0) FailAt(keywordLine, keyword + " comes before an ANIMNAME");
        tanimation& animation = block_->animations[static_cast<size_t>(selected_)];
        AnimationLines& where = animationLines_[static_cast<size_t>(selected_)];
        if (keyword == "INTERVAL") {
            animation.interval = lines_.ReadInt();
        } else if (keyword == "ANIMFRAMECOUNT") {
            animation.frames.assign(
                static_cast<size_t>(ReadCount(kMaxAnimationFrames, "frame count")), 0);
            where.frames = lines_.LineNumber();
        } else if (keyword == "CURFRAME") {
            animation.cursor = lines_.ReadInt();
            where.cursor = lines_.LineNumber();
        } else {  // ANIM: the count is the line's very first character
            const std::string_view line = lines_.PeekLine();
            lines_.BeginValues(1);
            if (line.empty() || !std::isdigit(static_cast<unsigned char>(line[0])))
                lines_.Fail("ANIM values must start with a digit");
            animation.frames.resize(static_cast<size_t>(line[0] - '0'));
            for (auto& frame : animation.frames) frame = lines_.ReadInt();
            where.frames = lines_.LineNumber();
        }
    }

    tvec3 ReadVector() {
        tvec3 v;
        v.x = lines_.ReadReal();
        v.y = lines_.ReadReal();
        v.z = lines_.ReadReal();
        return v;
    }

    int32_t ReadCount(int32_t maximum, std::string_view what) {
        const int32_t value = lines_.ReadInt();
        if (value < 0 || value > maximum)
            lines_.Fail(std::string(what) + " must be between 0 and " + std::to_string(maximum));
        return value;
    }

    // Frame indices and cursors are checked once the block's poses are all known.
    void CloseBlock() {
        if (!block_) return;
        const auto poseCount = static_cast<int32_t>(block_->poses.size());
        for (size_t i = 0; i < block_->animations.size(); ++i) {
            const tanimation& animation = block_->animations[i];
            const AnimationLines& where = animationLines_[i];
            for (int32_t frame : animation.frames) {
                if (frame < 0 || frame >= poseCount)
                    FailAt(where.frames, "frame index " + std::to_string(frame) +
                                             " is outside the part's " + std::to_string(poseCount) +
                                             " SHIFT lines");
            }
            const auto length = static_cast<int32_t>(animation.frames.size());
            if (animation.cursor < 0 || (animation.cursor >= length && animation.cursor != 0))
                FailAt(where.cursor, "CURFRAME is outside the animation's frame list");
        }
        block_ = nullptr;
    }

    void CheckAnimationListsMatch() const {
        for (const ModelBlock& block : model_.blocks) {
            const auto& first = model_.blocks.front().animations;
            const bool same = std::equal(
                first.begin(), first.end(), block.animations.begin(), block.animations.end(),
                [](const tanimation& a, const tanimation& b) { return a.name == b.name; });
            if (!same)
                FailAt(block.typeLine, "this part's animations differ from the first part's");
        }
    }

    void CheckSeatHasHead() const {
        if (model_.blocks.empty()) return;
        const auto& animations = model_.blocks.front().animations;
        const bool hasSeat = std::any_of(animations.begin(), animations.end(),
                                         [](const auto& a) { return UpperCase(a.name) == "SEAT"; });
        const bool hasHead = std::any_of(model_.blocks.begin(), model_.blocks.end(),
                                         [](const auto& b) { return UpperCase(b.name) == "HEAD"; });
        if (hasSeat && !hasHead)
            FailAt(model_.blocks.front().typeLine, "a SEAT animation needs a part named HEAD");
    }

    [[noreturn]] void FailAt(int line, std::string_view message) const {
        ThrowLineError(lines_.FileName(), line, message);
    }

    TextLines lines_;
    ModelDescription model_;
    ModelBlock* block_ = nullptr;
    int32_t selected_ = -1;
    std::vector<AnimationLines> animationLines_;
};

}  // namespace

ModelDescription ParseModelFile(std::string_view text, std::string_view fileName) {
    return ModelReader(text, fileName).Read();
}
