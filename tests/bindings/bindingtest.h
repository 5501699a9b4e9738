// Common ground of the binding writers' tests: an empty document, a fresh output directory, and
// short ways to add entries and directives.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "model/document.h"

namespace inkwright {

class BindingOutputTest : public testing::Test {
 protected:
  // Other build folders run these tests at the same time, so each test gets its own directory.
  void SetUp() override {
    clearDocument();
    directory_ = std::filesystem::temp_directory_path() /
                 ("inkwright-bindings-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(directory_);
  }

  void TearDown() override { std::filesystem::remove_all(directory_); }

  // The output directory, ending in a separator as the run passes it.
  std::string outputDirectory() const { return directory_.string() + "/"; }

  std::string readOutput(const std::string& name) const {
    std::ifstream in(directory_ / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  bool hasOutput(const std::string& name) const {
    return std::filesystem::exists(directory_ / name);
  }

  std::filesystem::path directory_;
};

// Appends an entry as the ordering leaves it: named, from sourceFile, with these tags.
inline void addEntry(const std::string& name, const std::string& sourceFile,
                     std::vector<TagPair> tags) {
  entryList.push_back(
      DocEntry{"Group/" + name, name, "Group", "", sourceFile, "f", std::move(tags)});
}

inline void addImport(const std::string& sourceFile, const std::string& declaration) {
  importList.push_back(ImportDirective{sourceFile, declaration, 0});
}

}  // namespace inkwright
