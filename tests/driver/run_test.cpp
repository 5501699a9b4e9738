#include "driver/run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "tempdir.h"

namespace inkwright {
namespace {

TEST(OutputPathFrom, EndsInASeparatorAfterTrimming) {
  EXPECT_EQ("out\\", outputPathFrom("out"));
  EXPECT_EQ("out\\", outputPathFrom("  out  "));
  EXPECT_EQ("out/", outputPathFrom("out/"));
  EXPECT_EQ("C:\\doc\\", outputPathFrom("C:\\doc\\"));
  EXPECT_EQ("\\", outputPathFrom(""));
  EXPECT_EQ("\\", outputPathFrom("   "));
  EXPECT_EQ("out\n\\", outputPathFrom("out\n"));
  EXPECT_EQ("\tout\t\\", outputPathFrom("\tout\t"));
}

// Run where the configuration would have been: nothing appears there and nothing is said.
TEST(RunInkwright, MissingConfigurationWritesNothing) {
  TempDir dir;
  const std::filesystem::path started = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  testing::internal::CaptureStderr();
  runInkwright("absent.cfg");
  const std::string messages = testing::internal::GetCapturedStderr();
  std::filesystem::current_path(started);
  EXPECT_EQ("", messages);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// What a run leaves in out/: every file by name with its bytes, and the names of the files it
// wrote.
struct RunResult {
  std::map<std::string, std::string> bytes;
  std::set<std::string> written;
};

// Runs in the folder. Every output is dated back to longAgo afterwards, so that the next run
// shows which files it wrote.
RunResult runAndDateBack(const TempDir& dir, std::filesystem::file_time_type longAgo) {
  const std::filesystem::path started = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  runInkwright("inkwright.cfg");
  std::filesystem::current_path(started);
  RunResult result;
  for (const auto& item : std::filesystem::directory_iterator(dir.path() / "out")) {
    const std::string name = item.path().filename().string();
    result.bytes[name] = dir.read("out/" + name);
    if (item.last_write_time() != longAgo) {
      result.written.insert(name);
    }
    std::filesystem::last_write_time(item.path(), longAgo);
  }
  return result;
}

// Pages of one name, a page named like an index file, and every output format: a second run
// writes nothing, and after an edit only the files whose bytes change are written, holding the
// bytes a run without the switch leaves.
TEST(RunInkwright, KeepUnchangedFilesWritesOnlyWhatChanged) {
  const std::string config =
      "[source path]\nsrc\n[accept files]\n*.pb\n[output path]\nout\\\n"
      "[output format]\nHTMLHELP IMPORTFILE JAPBE USERLIB\n[items]\nNAME\n";
  const std::string sources =
      "/****f* A/Same\n* NAME\n*   Same - first\n****\n"
      "/****f* B/Same\n* NAME\n*   Same - second\n****\n"
      "/****f* C/toc\n* NAME\n*   toc - a page the contents replace\n****\n"
      "/****f* C/Other\n* NAME\n*   Other - unrelated\n****\n#PBIMPORT:Other()\n";
  TempDir kept;
  kept.write("inkwright.cfg", config + "[options]\nkeep unchanged files\n");
  kept.write("src/a.pb", sources);
  std::filesystem::create_directory(kept.path() / "out");
  TempDir plain;
  plain.write("inkwright.cfg", config);
  std::filesystem::create_directory(plain.path() / "out");

  const auto longAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(8760);
  const RunResult first = runAndDateBack(kept, longAgo);
  EXPECT_EQ(9u, first.written.size());
  const RunResult second = runAndDateBack(kept, longAgo);
  EXPECT_EQ(first.bytes, second.bytes);
  EXPECT_EQ(std::set<std::string>(), second.written);

  std::string edited = sources + "/****f* D/Added\n* NAME\n*   Added - new\n****\n";
  edited.replace(edited.find("second"), 6, "edited");
  kept.write("src/a.pb", edited);
  plain.write("src/a.pb", edited);
  const RunResult third = runAndDateBack(kept, longAgo);
  std::set<std::string> changed;
  for (const auto& [name, bytes] : third.bytes) {
    if (!second.bytes.contains(name) || second.bytes.at(name) != bytes) {
      changed.insert(name);
    }
  }
  EXPECT_EQ(changed, third.written);
  EXPECT_TRUE(changed.contains("Same.html") && changed.contains("Added.html"));
  EXPECT_FALSE(changed.contains("Other.html"));
  EXPECT_EQ(runAndDateBack(plain, longAgo).bytes, third.bytes);
}

}  // namespace
}  // namespace inkwright
