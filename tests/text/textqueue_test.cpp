#include "text/textqueue.h"

#include <gtest/gtest.h>

#include <vector>

#include "tempdir.h"

namespace inkwright {
namespace {

TEST(TextQueue, HandsEveryTextOverInOrderBeforeFinishReturns) {
  std::vector<std::string> handled;
  TextQueue queue([&](std::string name, std::string text) { handled.push_back(name + text); });
  std::vector<std::string> expected;
  for (int i = 0; i < 500; ++i) {
    const std::string text(static_cast<std::size_t>(i % 7) * 100000, 'x');
    queue.push(std::to_string(i), text);
    expected.push_back(std::to_string(i) + text);
  }
  queue.finish();
  EXPECT_EQ(expected, handled);
}

TEST(TextQueue, ChainedStagesWriteFilesInOrder) {
  TempDir dir;
  const std::string folder = dir.path().string() + "\\";
  TextQueue files(writeWholeFile);
  TextQueue pages([&](std::string name, std::string text) {
    files.push(folder + name, text + "!");
  });
  for (int round = 0; round < 3; ++round) {
    for (int file = 0; file < 100; ++file) {
      pages.push(std::to_string(file) + ".html", std::to_string(round));
    }
  }
  pages.push("missing\\never.html", "skipped");
  pages.finish();
  files.finish();
  for (int file = 0; file < 100; ++file) {
    EXPECT_EQ("2!", dir.read(std::to_string(file) + ".html"));
  }
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing"));
}

}  // namespace
}  // namespace inkwright
