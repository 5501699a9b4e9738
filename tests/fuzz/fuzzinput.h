// What the fuzzers share: a scratch folder of their own, and the input cut into parts.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace inkwright {

// A folder for this fuzzer process, made once and emptied by whoever needs it empty.
inline const std::filesystem::path& scratchFolder() {
  static const std::filesystem::path folder = [] {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("inkwright-fuzz-" + std::to_string(::getpid()));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    // A fuzzer that ends its time leaves through exit(); one that finds a fault keeps the folder.
    std::atexit([] { std::filesystem::remove_all(scratchFolder()); });
    return path;
  }();
  return folder;
}

inline std::string writeScratchFile(const std::string& name, std::string_view bytes) {
  const std::filesystem::path path = scratchFolder() / name;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path.string();
}

// The input as text, cut at every byte 0 into at least `count` parts (missing ones empty); the
// last part keeps any further byte 0.
inline std::vector<std::string> inputParts(const std::uint8_t* data, std::size_t size,
                                           std::size_t count) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> parts;
  std::size_t begin = 0;
  while (parts.size() + 1 < count) {
    const std::size_t end = input.find('\0', begin);
    if (end == std::string_view::npos) {
      break;
    }
    parts.emplace_back(input.substr(begin, end - begin));
    begin = end + 1;
  }
  parts.emplace_back(begin <= input.size() ? input.substr(begin) : std::string_view());
  parts.resize(count);
  return parts;
}

// A run's tree in the scratch folder, made anew and made the current folder: the configuration
// (the pinned keys first, so that their values win, then parts[0]), three source files from
// parts[1] to parts[3], one of them in a sub-folder and one of a type no pattern may accept, and
// an empty out/.
inline void layRunTree(std::string_view pinnedKeys, const std::vector<std::string>& parts) {
  namespace fs = std::filesystem;
  const fs::path& folder = scratchFolder();
  fs::remove_all(folder / "src");
  fs::remove_all(folder / "out");
  fs::create_directories(folder / "out");
  writeScratchFile("inkwright.cfg", std::string(pinnedKeys) + parts[0]);
  writeScratchFile("src/a.pb", parts[1]);
  writeScratchFile("src/sub/b.pbi", parts[2]);
  writeScratchFile("src/c.txt", parts[3]);
  fs::current_path(folder);
}

}  // namespace inkwright
