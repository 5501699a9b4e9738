#include "text/textfile.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tempdir.h"

namespace inkwright {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public testing::Test {
 protected:
  std::string pathOf(const std::string& name) const { return (dir_.path() / name).string(); }

  // The lines a reading loop of this program sees: read, handle, then test atEnd.
  std::vector<std::string> linesOf(const std::string& bytes) const {
    std::optional<InputFile> file = openInput(dir_.write("input", bytes));
    EXPECT_TRUE(file.has_value());
    std::vector<std::string> lines;
    do {
      readLine(*file, lines.emplace_back());
    } while (!atEnd(*file));
    return lines;
  }

  TempDir dir_;
};

using Lines = std::vector<std::string>;

// An empty file is one empty line, and a line end before the end of the file adds none.
TEST_F(TextFileTest, EveryLineEndGivesTheSameLines) {
  EXPECT_EQ(Lines{""}, linesOf(""));
  EXPECT_EQ(Lines{""}, linesOf("\n"));
  EXPECT_EQ((Lines{"", ""}), linesOf("\n\n"));
  EXPECT_EQ((Lines{"a", "b", "c"}), linesOf("a\nb\nc"));
  EXPECT_EQ((Lines{"a", "b", "c"}), linesOf("a\r\nb\r\nc\r\n"));
  EXPECT_EQ((Lines{"a", "b", "c"}), linesOf("a\rb\rc\r"));
  EXPECT_EQ((Lines{"a", "", "b"}), linesOf("a\n\r\nb"));
  EXPECT_EQ((Lines{"a", "", "b"}), linesOf("a\r\rb"));
  EXPECT_EQ((Lines{"a", "b"}), linesOf(std::string("a\0b", 3)));
  EXPECT_EQ((Lines{"a", "\xff\x80"}), linesOf("a\n\xff\x80\n"));
}

TEST_F(TextFileTest, CrLfSplitAcrossBuffersIsOneLineEnd) {
  const std::string first(kFileBufferSize - 1, 'a');
  EXPECT_EQ((Lines{first, "b"}), linesOf(first + "\r\nb"));
  const std::string full(kFileBufferSize, 'c');
  EXPECT_EQ((Lines{full, "d"}), linesOf(full + "\r\nd"));
  EXPECT_EQ(Lines{first}, linesOf(first + "\r"));
}

TEST_F(TextFileTest, LinesMayBeLongerThanTheBuffer) {
  const std::string longLine(3 * kFileBufferSize + 17, 'x');
  EXPECT_EQ((Lines{longLine, "y"}), linesOf(longLine + "\ny"));
}

TEST_F(TextFileTest, MissingFileAndDirectoryCannotBeOpened) {
  EXPECT_FALSE(openInput(pathOf("missing")).has_value());
  EXPECT_FALSE(openInput(dir_.path().string()).has_value());
}

TEST_F(TextFileTest, WritesTextAndCrLfLines) {
  {
    std::optional<OutputFile> file = createOutput(pathOf("out"));
    ASSERT_TRUE(file.has_value());
    writeText(*file, "");
    writeText(*file, std::string_view());  // a null view: nothing to copy from
    writeLine(*file, "");
    writeText(*file, "a");
    writeLine(*file, "b");
    writeText(*file, std::string(2 * kFileBufferSize, 'z'));
    closeFile(*file);
  }
  EXPECT_EQ("\r\nab\r\n" + std::string(2 * kFileBufferSize, 'z'), dir_.read("out"));
}

TEST_F(TextFileTest, CreateOutputTruncatesAndNeverMakesDirectories) {
  dir_.write("old", "previous content");
  {
    std::optional<OutputFile> file = createOutput(pathOf("old"));
    ASSERT_TRUE(file.has_value());
    writeText(*file, "new");
  }
  EXPECT_EQ("new", dir_.read("old"));
  EXPECT_FALSE(createOutput(pathOf("nowhere\\file.txt")).has_value());
  EXPECT_FALSE(fs::exists(dir_.path() / "nowhere"));
}

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

// An output kept under keepWhenUnchanged, written whole or piece by piece. Every file ends with
// the new bytes; only one that held them already keeps its old time stamp, and one written whole
// is then not even opened for writing.
TEST_F(TextFileTest, KeepWhenUnchangedTouchesOnlyFilesThatDiffer) {
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
      if (whole) {
        EXPECT_TRUE(writeWholeFile(path, c.text, ExistingOutput::keepWhenUnchanged));
      } else {
        std::optional<OutputFile> file = createOutput(path, ExistingOutput::keepWhenUnchanged);
        ASSERT_TRUE(file.has_value());
        for (std::size_t at = 0; at < c.text.size(); at += 1000) {
          writeText(*file, std::string_view(c.text).substr(at, 1000));
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
TEST_F(TextFileTest, KeepWhenUnchangedNeverWaitsForAFifo) {
  const std::string path = pathOf("pipe");
  ASSERT_EQ(0, ::mkfifo(path.c_str(), 0600));
  EXPECT_FALSE(writeWholeFile(path, "page", ExistingOutput::keepWhenUnchanged));
  EXPECT_FALSE(createOutput(path, ExistingOutput::keepWhenUnchanged).has_value());
  EXPECT_TRUE(fs::is_fifo(path));
}

}  // namespace
}  // namespace inkwright
