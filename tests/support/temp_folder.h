#pragma once
// A fresh folder for one test, removed afterwards, with helpers to write data files into it.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace rumbelo::testing {

class TempFolder {
  public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("rumbelo-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    void write(const std::string& name, const std::string& bytes) const {
        const auto file = path_ / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    // Lines joined with CR LF, the last one ended too.
    void writeLines(const std::string& name, const std::vector<std::string>& lines) const {
        std::string bytes;
        for (const auto& line : lines)
            bytes += line + "\r\n";
        write(name, bytes);
    }

  private:
    std::filesystem::path path_;
};

}  // namespace rumbelo::testing
