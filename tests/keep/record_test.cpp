#include "keep/record.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tempdir.h"

namespace inkwright {
namespace {

const Digest kInputs{0x0123456789abcdefULL, 0xfedcba9876543210ULL};

TEST(OutputRecord, IsWrittenAsLinesAndReadBack) {
  const OutputRecord record{
      kInputs, {{"out\\a b.html", 12, Digest{1, 2}}, {"out/LB.hhc", 0, Digest{~0ULL, 0}}}};
  const std::string text = recordText(record);
  EXPECT_EQ(
      "inkwright output record 1\n"
      "inputs 0123456789abcdeffedcba9876543210\n"
      "00000000000000010000000000000002 12 out\\a b.html\n"
      "ffffffffffffffff0000000000000000 0 out/LB.hhc\n",
      text);
  EXPECT_EQ(record, parseRecord(text));
  EXPECT_EQ((OutputRecord{kInputs, {}}), parseRecord(recordText(OutputRecord{kInputs, {}})));
}

// A record is a file in the user's folder: anything that is not exactly what recordText writes is
// no record, and the run then does all its work.
TEST(OutputRecord, AnyOtherTextIsNoRecord) {
  const std::string head = "inkwright output record 1\ninputs 0123456789abcdeffedcba9876543210\n";
  const std::string digest = "00000000000000010000000000000002";
  const std::vector<std::string> texts = {
      "",
      "inkwright output record 2\ninputs 0123456789abcdeffedcba9876543210\n",
      "inkwright output record 1\ninputs 0123456789abcdeffedcba987654321\n",
      "inkwright output record 1\ninputs 0123456789ABCDEFfedcba9876543210\n",
      "inkwright output record 1\ninputs 0123456789abcdeffedcba9876543210",
      "inkwright output record 1\r\ninputs 0123456789abcdeffedcba9876543210\r\n",
      head + digest + " 12 out/a.html",
      head + digest + " 12\n",
      head + digest + " 12 \n",
      head + digest + "  out/a.html\n",
      head + digest + " +12 out/a.html\n",
      head + digest + " -1 out/a.html\n",
      head + digest + " 1x out/a.html\n",
      head + digest + " 012 out/a.html\n",
      head + digest + " 99999999999999999999 out/a.html\n",
      head + digest + " 12 out/a.html\r\n",
      head + "0000000000000001000000000000000 12 out/a.html\n",
      head + "\n",
  };
  for (const std::string& text : texts) {
    EXPECT_EQ(std::nullopt, parseRecord(text)) << text;
  }
}

// Record and files as a run leaves them: read back, the record matches them all.
class RecordedFolder : public testing::Test {
 protected:
  void SetUp() override {
    for (const auto& [name, bytes] :
         {std::pair{"a.html", std::string("<p>a</p>")},
          std::pair{"big.html", std::string(200000, 'b')}, std::pair{"empty.txt", std::string()}}) {
      const std::string path = dir_.write(name, bytes);
      record_.files.push_back(RecordedFile{path, bytes.size(), digestOf(bytes)});
    }
    const std::string recordPath = dir_.write(std::string(kRecordName), recordText(record_));
    ASSERT_EQ(record_, readRecord(recordPath));
  }

  TempDir dir_;
  OutputRecord record_{kInputs, {}};
};

TEST_F(RecordedFolder, MatchesTheFilesItWasMadeFrom) { EXPECT_TRUE(outputsMatch(record_)); }

// Each change to one file alone makes the record fail; a FIFO or a device is never read.
TEST_F(RecordedFolder, FailsWhenAnyFileChanged) {
  namespace fs = std::filesystem;
  const fs::path big = dir_.path() / "big.html";
  std::vector<std::pair<std::string, std::function<void()>>> changes = {
      {"one byte, same size", [&] { dir_.write("big.html", std::string(199999, 'b') + "c"); }},
      {"longer", [&] { dir_.write("big.html", std::string(200001, 'b')); }},
      {"shorter", [&] { dir_.write("big.html", std::string(199999, 'b')); }},
      {"removed", [&] { fs::remove(big); }},
      {"a folder",
       [&] {
         fs::remove(big);
         fs::create_directory(big);
       }},
      {"a FIFO",
       [&] {
         fs::remove(big);
         ASSERT_EQ(0, ::mkfifo(big.c_str(), 0600));
       }},
      {"a link to a device",
       [&] {
         fs::remove(big);
         fs::create_symlink("/dev/zero", big);
       }},
  };
  // Root may write a read-only file, and so the run would.
  if (::geteuid() != 0) {
    changes.emplace_back("read-only", [&] { fs::permissions(big, fs::perms::owner_read); });
  }
  for (const auto& [what, change] : changes) {
    change();
    EXPECT_FALSE(outputsMatch(record_)) << what;
    fs::remove_all(big);
    dir_.write("big.html", std::string(200000, 'b'));
    ASSERT_TRUE(outputsMatch(record_)) << "after " << what;
  }
}

TEST(ReadRecord, ReadsOnlyARegularFile) {
  TempDir dir;
  const std::filesystem::path fifo = dir.path() / "fifo";
  ASSERT_EQ(0, ::mkfifo(fifo.c_str(), 0600));
  EXPECT_EQ(std::nullopt, readRecord(fifo.string()));
  EXPECT_EQ(std::nullopt, readRecord((dir.path() / "missing").string()));
  EXPECT_EQ(std::nullopt, readRecord(dir.path().string()));
}

}  // namespace
}  // namespace inkwright
