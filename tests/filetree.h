// Reading files and folders of bytes, for the tests that compare what a program wrote.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace inkwright {

// The bytes of the file; empty when it cannot be read.
inline std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Every regular file below root, by its path relative to root; none when root does not exist.
inline std::map<std::string, std::string> filesBelow(const std::filesystem::path& root) {
  std::map<std::string, std::string> files;
  if (!std::filesystem::exists(root)) {
    return files;
  }
  for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
    if (item.is_regular_file()) {
      files[std::filesystem::relative(item.path(), root).generic_string()] = readBytes(item.path());
    }
  }
  return files;
}

// The names of the folders directly inside root, sorted: the cases of a golden-case runner.
inline std::vector<std::string> folderNames(const std::filesystem::path& root) {
  std::vector<std::string> names;
  for (const auto& item : std::filesystem::directory_iterator(root)) {
    if (item.is_directory()) {
      names.push_back(item.path().filename().string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace inkwright
