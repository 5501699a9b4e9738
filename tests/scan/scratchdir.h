// A fresh folder below the system's temporary folder, removed with its contents after the test.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace inkwright {

struct ScratchDir {
  const std::filesystem::path root = std::filesystem::temp_directory_path() /
                                     ("inkwright-scan-" + std::to_string(std::random_device{}()));
  ~ScratchDir() { std::filesystem::remove_all(root); }

  // Writes bytes to the file at relative, creating its folders; returns the file's full path.
  std::string write(const std::string& relative, const std::string& bytes) const {
    std::filesystem::create_directories((root / relative).parent_path());
    std::ofstream(root / relative, std::ios::binary) << bytes;
    return (root / relative).string();
  }
};

}  // namespace inkwright
