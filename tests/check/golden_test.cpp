// Golden cases of the check program: each folder below tests/check holds a configuration
// "inkwright.cfg", a tree (an out/ folder included, where the case needs one) and the exact report
// in one or more formats: expected.gnu, expected.json, expected.sarif. The runner copies the case
// into a fresh folder, runs the real inkwright-check there in each format, and compares standard
// output byte for byte; the exit code must say whether the report holds warnings, and the run must
// leave every file of the case as it was.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "filetree.h"
#include "tempdir.h"

namespace fs = std::filesystem;
using inkwright::filesBelow;
using inkwright::folderNames;
using inkwright::readBytes;

namespace {

// Runs the check program in folder with the arguments; its exit code, and its standard output in
// stdout.txt there.
int runCheck(const fs::path& folder, const std::string& arguments) {
  const std::string command = "cd '" + folder.string() + "' && '" + INKWRIGHT_CHECK_BINARY + "' " +
                              arguments + " > ../stdout.txt 2> ../stderr.txt";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class CheckGolden : public testing::TestWithParam<std::string> {};

TEST_P(CheckGolden, ReportsExactlyTheExpectedWarnings) {
  const fs::path source = fs::path(INKWRIGHT_CHECK_DIR) / GetParam();
  const inkwright::TempDir work;
  const fs::path folder = work.path() / "case";
  fs::create_directories(folder);
  for (const fs::directory_entry& item : fs::directory_iterator(source)) {
    if (!item.path().filename().string().starts_with("expected.")) {
      fs::copy(item.path(), folder / item.path().filename(),
               fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    }
  }
  const std::map<std::string, std::string> before = filesBelow(folder);
  int formats = 0;
  for (const std::string format : {"gnu", "json", "sarif"}) {
    const fs::path expectedFile = source / ("expected." + format);
    if (!fs::exists(expectedFile)) {
      continue;
    }
    ++formats;
    const std::string expected = readBytes(expectedFile);
    const int exitCode = runCheck(folder, "inkwright.cfg --format=" + format);
    EXPECT_EQ(expected, work.read("stdout.txt")) << format;
    const bool hasWarnings = expected.find(": warning: ") != std::string::npos ||
                             expected.find("\"rule") != std::string::npos;
    EXPECT_EQ(hasWarnings ? 1 : 0, exitCode) << format;
    if (format == "gnu") {
      // --quiet leaves out the summary, the last line.
      EXPECT_EQ(hasWarnings ? 1 : 0, runCheck(folder, "--quiet inkwright.cfg"));
      const std::size_t summary = expected.rfind("inkwright-check: ");
      EXPECT_EQ(expected.substr(0, summary), work.read("stdout.txt"));
    }
  }
  EXPECT_LT(0, formats) << "the case has no expected report";
  EXPECT_TRUE(before == filesBelow(folder)) << "the check wrote or changed a file";
}

// Exit code 2 and one line on standard error, never a report, when there is no configuration to
// read or the command line is not understood.
TEST(CheckProgram, ExitsWithTwoWhenTheConfigurationCannotBeRead) {
  const inkwright::TempDir work;
  fs::create_directories(work.path() / "run" / "folder.cfg");
  work.write("run/inkwright.cfg", "[output format]\nHTML\n");
  const struct {
    const char* arguments;
    const char* message;
  } cases[] = {
      {"missing.cfg", "inkwright-check: cannot read the configuration file \"missing.cfg\"\n"},
      {"folder.cfg", "inkwright-check: cannot read the configuration file \"folder.cfg\"\n"},
      {"", "usage: inkwright-check CONFIG [--format=gnu|json|sarif] [--quiet]\n"},
      {"inkwright.cfg --format=xml",
       "usage: inkwright-check CONFIG [--format=gnu|json|sarif] [--quiet]\n"},
      {"inkwright.cfg other.cfg",
       "usage: inkwright-check CONFIG [--format=gnu|json|sarif] [--quiet]\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(2, runCheck(work.path() / "run", c.arguments)) << c.arguments;
    EXPECT_EQ("", work.read("stdout.txt")) << c.arguments;
    EXPECT_EQ(c.message, work.read("stderr.txt")) << c.arguments;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckGolden, testing::ValuesIn(folderNames(INKWRIGHT_CHECK_DIR)),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
