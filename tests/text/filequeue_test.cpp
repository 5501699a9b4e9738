#include "text/filequeue.h"

#include <gtest/gtest.h>

#include "tempdir.h"

namespace inkwright {
namespace {

TEST(FileQueue, WritesEveryFileInOrderBeforeFinishReturns) {
  TempDir dir;
  const std::string folder = dir.path().string() + "\\";
  FileQueue queue;
  for (int round = 0; round < 3; ++round) {
    for (int file = 0; file < 200; ++file) {
      queue.write(folder + std::to_string(file) + ".html",
                  std::string(1000 * (file % 7), 'x') + std::to_string(round));
    }
  }
  queue.write(folder + "missing\\never.html", "skipped");
  queue.write(folder + "last.html", "");
  queue.finish();
  for (int file = 0; file < 200; ++file) {
    EXPECT_EQ(std::string(1000 * (file % 7), 'x') + "2", dir.read(std::to_string(file) + ".html"));
  }
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "last.html"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing"));
}

}  // namespace
}  // namespace inkwright
