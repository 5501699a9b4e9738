// A fresh folder per test, removed afterwards, for tests that need real files. Its name is
// random too, since several build folders may run the same tests at once.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <system_error>

namespace inkwright {

class TempDir {
 public:
  TempDir() {
    const testing::TestInfo* const test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "inkwright-" + std::string(test->test_suite_name()) + "-" + test->name() +
                       "-" + std::to_string(std::random_device{}());
    // Parameterised tests carry "/" in their names; the folder stays one level below temp.
    std::replace(name.begin(), name.end(), '/', '-');
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  // A test that fails halfway may leave something it cannot remove; that must not end the run.
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // The path ending in "/", as the writers take their output folder.
  std::string folder() const { return path_.string() + "/"; }

  // Writes bytes to the file at the relative path, creating folders on the way; returns its path.
  std::string write(const std::string& relative, const std::string& bytes) const {
    const std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file.string();
  }

  // The bytes of the file at the relative path; empty when it does not exist.
  std::string read(const std::string& relative) const {
    std::ifstream in(path_ / relative, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  // The names of the files and folders directly inside.
  std::set<std::string> files() const {
    std::set<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(path_)) {
      names.insert(item.path().filename().string());
    }
    return names;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace inkwright
