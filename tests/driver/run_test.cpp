#include "driver/run.h"

#include <gtest/gtest.h>

#include <filesystem>

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

}  // namespace
}  // namespace inkwright
