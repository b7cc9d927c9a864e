// TempDir: a fresh directory for one test, removed afterwards, with a helper to write files in it.
#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

class TempDir {
  public:
    TempDir() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("zarnok-test-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path File(const std::filesystem::path& relative) const {
        return path_ / relative;
    }
    std::string Read(const std::filesystem::path& relative) const {
        std::ifstream in(path_ / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path Write(const std::filesystem::path& relative,
                                std::string_view text) const {
        return WriteBytes(relative, {reinterpret_cast<const uint8_t*>(text.data()),
                                     reinterpret_cast<const uint8_t*>(text.data()) + text.size()});
    }
    std::filesystem::path WriteBytes(const std::filesystem::path& relative,
                                     const std::vector<uint8_t>& bytes) const {
        const auto full = path_ / relative;
        std::filesystem::create_directories(full.parent_path());
        std::ofstream out(full, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return full;
    }

  private:
    std::filesystem::path path_;
};
