// End-to-end cases: each folder below tests/e2e holds a small source tree, its configuration
// "inkwright.cfg" and the exact files the run must write into out/ (expected/). The runner copies
// the case into a fresh folder, runs the real program there, and compares every file byte for
// byte, reporting missing and extra files. A case may also hold "expected-stderr.txt", the exact
// messages the run must show. The record a run under "keep unchanged files" leaves names the
// program's version, so it is left out here; the driver's tests check it. The style sheet and the
// search script that "styled pages" writes are compared with their files in the source tree,
// which the program builds in, rather than with copies of them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "filetree.h"
#include "keep/record.h"
#include "tempdir.h"

namespace fs = std::filesystem;
using inkwright::filesBelow;
using inkwright::folderNames;
using inkwright::readBytes;

namespace {

// Copies the case, all but its expected files, into the work folder and makes out/ there.
void prepareRun(const std::string& caseName, const fs::path& work) {
  const fs::path source = fs::path(INKWRIGHT_E2E_DIR) / caseName;
  for (const fs::directory_entry& item : fs::directory_iterator(source)) {
    const std::string name = item.path().filename().string();
    if (name != "expected" && name != "expected-stderr.txt") {
      fs::copy(item.path(), work / name, fs::copy_options::recursive);
    }
  }
  fs::create_directories(work / "out");
}

class EndToEnd : public testing::TestWithParam<std::string> {};

TEST_P(EndToEnd, WritesExactlyTheExpectedFiles) {
  const std::string caseName = GetParam();
  const fs::path expectedRoot = fs::path(INKWRIGHT_E2E_DIR) / caseName / "expected";
  const inkwright::TempDir work;
  prepareRun(caseName, work.path());
  const std::string command =
      "cd '" + work.path().string() + "' && '" + INKWRIGHT_BINARY + "' inkwright.cfg 2> stderr.txt";
  ASSERT_EQ(0, std::system(command.c_str()));

  std::map<std::string, std::string> expected = filesBelow(expectedRoot);
  std::map<std::string, std::string> actual = filesBelow(work.path() / "out");
  for (const char* const builtIn : {"inkwright.css", "inkwright-search.js"}) {
    if (actual.count(builtIn) && !expected.count(builtIn)) {
      expected[builtIn] =
          readBytes(fs::path(INKWRIGHT_SOURCE_DIR) / "src" / "html" / "site" / builtIn);
    }
  }
  actual.erase(std::string(inkwright::kRecordName));
  for (const auto& [name, bytes] : expected) {
    const auto found = actual.find(name);
    if (found == actual.end()) {
      ADD_FAILURE() << "missing output file " << name;
    } else {
      EXPECT_EQ(bytes, found->second) << "in output file " << name;
    }
  }
  for (const auto& [name, bytes] : actual) {
    EXPECT_TRUE(expected.count(name)) << "extra output file " << name;
  }
  const fs::path expectedStderr = fs::path(INKWRIGHT_E2E_DIR) / caseName / "expected-stderr.txt";
  EXPECT_EQ(fs::exists(expectedStderr) ? readBytes(expectedStderr) : std::string(),
            work.read("stderr.txt"));
}

INSTANTIATE_TEST_SUITE_P(Cases, EndToEnd, testing::ValuesIn(folderNames(INKWRIGHT_E2E_DIR)),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) {
                               c = '_';
                             }
                           }
                           return name;
                         });

}  // namespace
