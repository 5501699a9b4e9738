#include "driver/run.h"

#include <gtest/gtest.h>

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

TEST(RunInkwright, MissingConfigurationWritesNothing) {
  TempDir dir;
  runInkwright((dir.path() / "absent.cfg").string());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace inkwright
