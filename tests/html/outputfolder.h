// A fresh folder for the files one test writes, removed when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace inkwright {

class OutputFolder {
 public:
  OutputFolder() {
    const testing::TestInfo* const test = testing::UnitTest::GetInstance()->current_test_info();
    root_ = std::filesystem::temp_directory_path() /
            (std::string("inkwright-") + test->test_suite_name() + "-" + test->name());
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
  }
  ~OutputFolder() { std::filesystem::remove_all(root_); }

  // The folder's path, ending in "/".
  std::string path() const { return root_.string() + "/"; }

  // The bytes of a file in the folder; empty when it is missing.
  std::string read(const std::string& name) const {
    std::ifstream in(root_ / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  // The names of the files in the folder.
  std::set<std::string> files() const {
    std::set<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(root_)) {
      names.insert(item.path().filename().string());
    }
    return names;
  }

 private:
  std::filesystem::path root_;
};

}  // namespace inkwright
