#include "html/serialworker.h"

#include <gtest/gtest.h>

#include <vector>

#include "tempdir.h"
#include "text/textfile.h"

namespace inkwright {
namespace {

TEST(SerialWorker, RunsEveryTaskInOrderBeforeFinishReturns) {
  std::vector<int> ran;
  SerialWorker worker;
  for (int i = 0; i < 500; ++i) {
    // Heavy tasks make run() wait for room now and then.
    worker.run([&ran, i] { ran.push_back(i); }, static_cast<std::size_t>(i % 7) * 1000000);
  }
  worker.finish();
  std::vector<int> expected(500);
  for (int i = 0; i < 500; ++i) {
    expected[i] = i;
  }
  EXPECT_EQ(expected, ran);
}

TEST(SerialWorker, ChainedStagesWriteFilesInOrder) {
  TempDir dir;
  const std::string folder = dir.path().string() + "\\";
  SerialWorker writing;
  SerialWorker composing;
  for (int round = 0; round < 3; ++round) {
    for (int file = 0; file < 100; ++file) {
      composing.run(
          [&writing, path = folder + std::to_string(file) + ".html", round] {
            const std::string text = std::to_string(round) + "!";
            writing.run([path, text] { writeWholeFile(path, text); }, text.size());
          },
          1);
    }
  }
  composing.run([&] { writing.run([&] { writeWholeFile(folder + "missing\\x.html", "x"); }, 1); },
                1);
  composing.finish();
  writing.finish();
  for (int file = 0; file < 100; ++file) {
    EXPECT_EQ("2!", dir.read(std::to_string(file) + ".html"));
  }
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing"));
}

}  // namespace
}  // namespace inkwright
