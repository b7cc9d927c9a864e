// SoundScratch: a fresh folder of its own under the system's temporary folder, removed again at
// the end of the test, for the WAV files a sound test writes.
#pragma once
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/wav_bytes.h"

class SoundScratch {
  public:
    SoundScratch() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zarnok_sound_XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~SoundScratch() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    SoundScratch(const SoundScratch&) = delete;
    SoundScratch& operator=(const SoundScratch&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Writes `bytes` as `name` in the folder and returns the file's path.
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        wavtest::WriteFile(path_ / name, bytes);
        return (path_ / name).string();
    }

  private:
    std::filesystem::path path_;
};
