#include "html/sitefiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "filetree.h"

namespace inkwright {
namespace {

// The program writes the files it was built with: the build must make the embedded bytes again
// whenever a file of src/html/site/ changes, or a run would write an old script beside new pages.
TEST(SiteFiles, AreBuiltInByteForByte) {
  const std::filesystem::path site = std::filesystem::path(INKWRIGHT_SOURCE_DIR) / "src/html/site";
  EXPECT_EQ(readBytes(site / "inkwright.css"), builtInStyleSheet());
  EXPECT_EQ(readBytes(site / "inkwright-search.js"), builtInSearchScript());
  EXPECT_FALSE(builtInSearchScript().empty());
}

}  // namespace
}  // namespace inkwright
