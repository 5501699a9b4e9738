#include "run/run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "keep/record.h"
#include "tempdir.h"

namespace inkwright {
namespace {

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

// Runs inkwright.cfg in the folder, as a user would from there.
void runIn(const TempDir& dir) {
  const std::filesystem::path started = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  runInkwright("inkwright.cfg");
  std::filesystem::current_path(started);
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
  runIn(dir);
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
  EXPECT_EQ(10u, first.written.size());
  EXPECT_TRUE(first.written.contains(std::string(kRecordName)));
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
  std::map<std::string, std::string> outputs = third.bytes;
  outputs.erase(std::string(kRecordName));
  EXPECT_EQ(runAndDateBack(plain, longAgo).bytes, outputs);
}

// Every file below out/ with its bytes.
std::map<std::string, std::string> outputsIn(const TempDir& dir) {
  std::map<std::string, std::string> bytes;
  for (const auto& item : std::filesystem::directory_iterator(dir.path() / "out")) {
    const std::string name = item.path().filename().string();
    bytes[name] = dir.read("out/" + name);
  }
  return bytes;
}

const std::string kEveryOutputConfig =
    "[source path]\nsrc\n[accept files]\n*.pb\n[output path]\nout\\\n"
    "[output format]\nHTMLHELP IMPORTFILE JAPBE USERLIB\n[items]\nNAME\n";
const std::string kTwoSources[] = {
    "/****f* A/First\n* NAME\n*   First - one\n****\n#PBIMPORT:First()\n",
    "/****f* B/Second\n* NAME\n*   Second - two\n****\n"};

// The record of a run lists exactly the files it wrote, each with its size and digest.
TEST(RunInkwright, KeptRunRecordsEveryFileItWrote) {
  TempDir dir;
  dir.write("inkwright.cfg", kEveryOutputConfig + "[options]\nkeep unchanged files\n");
  dir.write("src/a.pb", kTwoSources[0]);
  dir.write("src/b.pb", kTwoSources[1]);
  std::filesystem::create_directory(dir.path() / "out");
  runIn(dir);
  std::map<std::string, std::string> outputs = outputsIn(dir);
  const std::optional<OutputRecord> record =
      readRecord((dir.path() / "out" / kRecordName).string());
  ASSERT_TRUE(record);
  outputs.erase(std::string(kRecordName));
  std::map<std::string, std::string> recorded;
  for (const RecordedFile& file : record->files) {
    ASSERT_TRUE(file.path.starts_with("out\\")) << file.path;
    const std::string name = file.path.substr(4);
    const std::string bytes = dir.read("out/" + name);
    EXPECT_EQ(bytes.size(), file.size) << name;
    EXPECT_EQ(digestOf(bytes), file.digest) << name;
    recorded[name] = bytes;
  }
  EXPECT_EQ(outputs, recorded);
}

// After a first run, something changes; the next run under the switch writes exactly the files
// whose bytes differ from what it finds, and leaves the outputs that a run without the switch
// leaves. Then one more run writes nothing at all.
TEST(RunInkwright, KeptRunWritesOnlyWhatDiffersFromWhatItFinds) {
  struct Change {
    std::string what;
    // Done to the sources and the configuration of both runs, or to the kept outputs alone.
    std::function<void(const TempDir&)> inputs;
    std::function<void(const TempDir&)> outputs;
  };
  const auto none = [](const TempDir&) {};
  const std::vector<Change> changes = {
      {"nothing", none, none},
      {"a source written again with the same bytes",
       [](const TempDir& dir) { dir.write("src/a.pb", kTwoSources[0]); }, none},
      {"a source edited",
       [](const TempDir& dir) {
         dir.write("src/b.pb", "/****f* B/Second\n* NAME\n*   two\n****\n");
       },
       none},
      {"a source added",
       [](const TempDir& dir) {
         dir.write("src/c.pb", "/****f* C/Third\n* NAME\n*   three\n****\n");
       },
       none},
      {"a source removed",
       [](const TempDir& dir) { std::filesystem::remove(dir.path() / "src/b.pb"); }, none},
      {"the title set in the configuration",
       [](const TempDir& dir) {
         dir.write("inkwright.cfg", dir.read("inkwright.cfg") + "[document title]\nNew\n");
       },
       none},
      {"a page edited by hand", none,
       [](const TempDir& dir) { dir.write("out/First.html", dir.read("out/First.html") + "x"); }},
      {"a page removed", none,
       [](const TempDir& dir) { std::filesystem::remove(dir.path() / "out/Second.html"); }},
      {"the record emptied", none,
       [](const TempDir& dir) { dir.write("out/" + std::string(kRecordName), ""); }},
      {"the record removed", none,
       [](const TempDir& dir) { std::filesystem::remove(dir.path() / "out" / kRecordName); }},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.what);
    TempDir kept;
    TempDir plain;
    kept.write("inkwright.cfg", kEveryOutputConfig + "[options]\nkeep unchanged files\n");
    plain.write("inkwright.cfg", kEveryOutputConfig);
    for (const TempDir* dir : {&kept, &plain}) {
      dir->write("src/a.pb", kTwoSources[0]);
      dir->write("src/b.pb", kTwoSources[1]);
      std::filesystem::create_directory(dir->path() / "out");
      runIn(*dir);
      change.inputs(*dir);
    }
    change.outputs(kept);
    const std::map<std::string, std::string> found = outputsIn(kept);
    const auto longAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(8760);
    for (const auto& item : std::filesystem::directory_iterator(kept.path() / "out")) {
      std::filesystem::last_write_time(item.path(), longAgo);
    }
    runIn(kept);
    runIn(plain);
    std::map<std::string, std::string> left = outputsIn(kept);
    std::set<std::string> differing;
    std::set<std::string> written;
    for (const auto& item : std::filesystem::directory_iterator(kept.path() / "out")) {
      const std::string name = item.path().filename().string();
      if (!found.contains(name) || found.at(name) != left.at(name)) {
        differing.insert(name);
      }
      if (item.last_write_time() != longAgo) {
        written.insert(name);
      }
    }
    EXPECT_EQ(differing, written);
    EXPECT_TRUE(left.contains(std::string(kRecordName)));
    left.erase(std::string(kRecordName));
    EXPECT_EQ(outputsIn(plain), left);

    const std::map<std::string, std::string> before = outputsIn(kept);
    for (const auto& item : std::filesystem::directory_iterator(kept.path() / "out")) {
      std::filesystem::last_write_time(item.path(), longAgo);
    }
    runIn(kept);
    for (const auto& item : std::filesystem::directory_iterator(kept.path() / "out")) {
      EXPECT_EQ(longAgo, item.last_write_time()) << item.path().filename();
    }
    EXPECT_EQ(before, outputsIn(kept));
  }
}

// An output named like the record keeps its bytes, and the run then leaves no record.
TEST(RunInkwright, KeptRunLeavesNoRecordOverAnOutputOfItsName) {
  TempDir kept;
  TempDir plain;
  const std::string config =
      kEveryOutputConfig + "[importfile]\n" + std::string(kRecordName) + "\n";
  kept.write("inkwright.cfg", config + "[options]\nkeep unchanged files\n");
  plain.write("inkwright.cfg", config);
  for (const TempDir* dir : {&kept, &plain}) {
    dir->write("src/a.pb", kTwoSources[0]);
    std::filesystem::create_directory(dir->path() / "out");
    runIn(*dir);
  }
  runIn(kept);
  EXPECT_EQ(outputsIn(plain), outputsIn(kept));
  EXPECT_EQ(std::nullopt, parseRecord(kept.read("out/" + std::string(kRecordName))));
}

}  // namespace
}  // namespace inkwright
