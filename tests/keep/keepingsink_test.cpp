#include "keep/keepingsink.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>

#include "keep/record.h"
#include "tempdir.h"

namespace inkwright {
namespace {

namespace fs = std::filesystem;

const Digest kInputs{0x0123456789abcdefULL, 0xfedcba9876543210ULL};

class KeepingSinkTest : public testing::Test {
 protected:
  std::string pathOf(const std::string& name) const { return (dir_.path() / name).string(); }

  TempDir dir_;
};

// The names of the files in a folder that were closed after being opened for writing, from the
// moment it is made on: what an editor or a live preview that watches the folder is told.
class ClosedAfterWriting {
 public:
  explicit ClosedAfterWriting(const fs::path& folder)
      : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    EXPECT_LE(0, ::inotify_add_watch(fd_, folder.c_str(), IN_CLOSE_WRITE));
  }
  ~ClosedAfterWriting() { ::close(fd_); }
  ClosedAfterWriting(const ClosedAfterWriting&) = delete;
  ClosedAfterWriting& operator=(const ClosedAfterWriting&) = delete;

  std::set<std::string> names() const {
    std::set<std::string> found;
    alignas(inotify_event) char events[4096];
    ssize_t size;
    while ((size = ::read(fd_, events, sizeof events)) > 0) {
      for (const char* at = events; at < events + size;) {
        const auto* event = reinterpret_cast<const inotify_event*>(at);
        found.insert(event->name);
        at += sizeof(inotify_event) + event->len;
      }
    }
    return found;
  }

 private:
  int fd_;
};

// An output kept by the sink, written whole or piece by piece. Every file ends with
// the new bytes; only one that held them already keeps its old time stamp, and one written whole
// is then not even opened for writing.
TEST_F(KeepingSinkTest, TouchesOnlyFilesThatDiffer) {
  std::string large;
  for (int i = 0; large.size() < 3 * kFileBufferSize + 17; ++i) {
    large += "line " + std::to_string(i) + "\r\n";
  }
  std::string lastByteChanged = large;
  lastByteChanged.back() = '!';
  struct Case {
    const char* name;
    std::optional<std::string> old;
    std::string text;
    bool untouched;
  };
  const Case cases[] = {
      {"missing", std::nullopt, "new", false},
      {"same small", "same", "same", true},
      {"same empty", "", "", true},
      {"same large", large, large, true},
      {"first byte differs", "x" + large.substr(1), large, false},
      {"last byte differs", lastByteChanged, large, false},
      {"old one longer", large + "tail", large, false},
      {"old one shorter", large.substr(0, large.size() - 5), large, false},
      {"old one empty", "", "new", false},
  };
  const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365);
  for (const Case& c : cases) {
    for (const bool whole : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (whole ? ", written whole" : ", written in pieces"));
      const std::string path = pathOf("kept");
      fs::remove(path);
      if (c.old) {
        dir_.write("kept", *c.old);
        fs::last_write_time(path, longAgo);
      }
      const ClosedAfterWriting watch(dir_.path());
      KeepingSink sink;
      if (whole) {
        EXPECT_TRUE(sink.writeWhole(path, c.text));
      } else {
        const std::unique_ptr<OutputStream> file = sink.create(path);
        ASSERT_TRUE(file);
        for (std::size_t at = 0; at < c.text.size(); at += 1000) {
          file->write(std::string_view(c.text).substr(at, 1000));
        }
      }
      EXPECT_EQ(c.text, dir_.read("kept"));
      EXPECT_EQ(c.untouched, fs::last_write_time(path) == longAgo);
      if (whole) {
        EXPECT_EQ(!c.untouched, watch.names().contains("kept"));
      }
    }
  }
}

// Writing a FIFO that nobody reads would wait for a reader for ever.
TEST_F(KeepingSinkTest, NeverWaitsForAFifo) {
  const std::string path = pathOf("pipe");
  ASSERT_EQ(0, ::mkfifo(path.c_str(), 0600));
  KeepingSink sink;
  EXPECT_FALSE(sink.writeWhole(path, "page"));
  EXPECT_FALSE(sink.create(path));
  EXPECT_TRUE(fs::is_fifo(path));
}

// The record the sink writes after these writes, read back; nullopt when it writes none.
std::optional<OutputRecord> recordOf(const KeepingSink& sink, const TempDir& dir) {
  const std::string path = (dir.path() / kRecordName).string();
  sink.writeRecord(kInputs, path);
  return readRecord(path);
}

TEST_F(KeepingSinkTest, RecordsWhatTheLastWriterOfAPathLeft) {
  KeepingSink sink;
  ASSERT_TRUE(sink.writeWhole(pathOf("Same.html"), "1"));
  ASSERT_TRUE(sink.writeWhole(pathOf("Other.html"), "22"));
  ASSERT_TRUE(sink.writeWhole(pathOf("Same.html"), "333"));
  sink.create(pathOf("same.html"))->write("4444");
  EXPECT_EQ((OutputRecord{kInputs,
                          {{pathOf("Other.html"), 2, digestOf("22")},
                           {pathOf("Same.html"), 3, digestOf("333")},
                           {pathOf("same.html"), 4, digestOf("4444")}}}),
            recordOf(sink, dir_));
  EXPECT_EQ((OutputRecord{kInputs, {}}), recordOf(KeepingSink(), dir_));
}

TEST_F(KeepingSinkTest, WritesNoRecordWhenAnOutputCouldNotBeWrittenOrNamed) {
  KeepingSink failed;
  ASSERT_TRUE(failed.writeWhole(pathOf("a.html"), "a"));
  EXPECT_FALSE(failed.writeWhole(pathOf("missing/b.html"), "b"));
  EXPECT_EQ(std::nullopt, recordOf(failed, dir_));
  KeepingSink failedStream;
  EXPECT_FALSE(failedStream.create(pathOf("missing/LB.hhc")));
  EXPECT_EQ(std::nullopt, recordOf(failedStream, dir_));
  KeepingSink broken;
  ASSERT_TRUE(broken.writeWhole(pathOf("two\nlines.html"), "a"));
  EXPECT_EQ(std::nullopt, recordOf(broken, dir_));
  // An output in the record's own place, in any case.
  for (const std::string name : {".inkwright-record", ".INKWRIGHT-Record"}) {
    fs::remove(dir_.path() / kRecordName);
    KeepingSink named;
    ASSERT_TRUE(named.writeWhole(pathOf("a.html"), "a"));
    ASSERT_TRUE(named.writeWhole(pathOf(name), "b"));
    fs::remove(dir_.path() / name);
    named.writeRecord(kInputs, (dir_.path() / kRecordName).string());
    EXPECT_FALSE(fs::exists(dir_.path() / kRecordName)) << name;
  }
}

TEST_F(KeepingSinkTest, TakesWritesFromTwoThreads) {
  KeepingSink sink;
  const auto writeMany = [this, &sink](const std::string& prefix) {
    for (int i = 0; i < 300; ++i) {
      sink.writeWhole(pathOf(prefix + std::to_string(i)), std::string(i, 'x'));
    }
  };
  std::thread other(writeMany, "a");
  writeMany("b");
  other.join();
  const std::optional<OutputRecord> record = recordOf(sink, dir_);
  ASSERT_TRUE(record);
  EXPECT_EQ(600u, record->files.size());
  for (const RecordedFile& file : record->files) {
    EXPECT_EQ(fs::path(file.path).filename().string().substr(1), std::to_string(file.size));
  }
}

}  // namespace
}  // namespace inkwright
