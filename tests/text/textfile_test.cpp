#include "text/textfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
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

// Whole buffers are looked at as they are read: a byte from 0x80 up counts once its buffer is read,
// whether a line has reached it or not. A file opened without watching tells nothing.
TEST_F(TextFileTest, KnowsWhetherEveryByteReadWasAscii) {
  const auto readAll = [&](const std::string& bytes, bool watches = true) {
    std::optional<InputFile> file = openInput(dir_.write("input", bytes), nullptr, watches);
    std::string line;
    do {
      readLine(*file, line);
    } while (!atEnd(*file));
    return readOnlyAscii(*file);
  };
  EXPECT_TRUE(readAll(""));
  EXPECT_FALSE(readAll("plain", false));
  EXPECT_TRUE(readAll(std::string(kFileBufferSize + 100, 'a') + "\n\x7f"));
  EXPECT_FALSE(readAll("\xc3\xa9\n"));
  EXPECT_FALSE(readAll(std::string(kFileBufferSize + 40, 'a') + "\x80"));
  EXPECT_FALSE(readAll(std::string(kFileBufferSize - 1, 'a') + "\xff" + std::string(50, 'b')));

  std::optional<InputFile> file = openInput(dir_.write("input", "one\ntwo \xe9\n"), nullptr, true);
  std::string line;
  readLine(*file, line);
  EXPECT_EQ("one", line);
  EXPECT_FALSE(readOnlyAscii(*file));
}

}  // namespace
}  // namespace inkwright
