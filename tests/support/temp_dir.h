// TempDir: a fresh directory under the system's temporary folder, removed with its contents.
#pragma once
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

class TempDir {
  public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zarnok-test-XXXXXX").string();
        if (mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path File(std::string_view name) const { return path_ / name; }
    void Write(std::string_view name, std::string_view contents) const {
        std::ofstream(File(name), std::ios::binary) << contents;
    }
    std::string Read(std::string_view name) const {
        std::ifstream file(File(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

  private:
    std::filesystem::path path_;
};
