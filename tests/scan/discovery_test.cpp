#include "scan/discovery.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "config/settings.h"
#include "model/document.h"
#include "scan/wildcard.h"
#include "tempdir.h"

namespace inkwright {
namespace {

namespace fs = std::filesystem;

class SourceWalk : public testing::Test {
 protected:
  WildcardMatcher matcher;
  Document document;
  TempDir scratch;
  const std::string root = scratch.path().string();
};

// Listing order puts "." and ".." first, then the names compared with a-z raised to A-Z. The
// link back to the root is not followed; the one to a sibling folder is.
TEST_F(SourceWalk, WalksDepthFirstPruningIgnoredNamesAndLinksToAncestors) {
  std::string deep = "lib/d";
  for (int level = 1; level < 200; ++level) {
    deep += "/d";
  }
  for (const std::string file : {"z.pb", "a.pb", "B.txt", "CVS/in.pb", "lib/c.pb", "lib/CVS"}) {
    scratch.write(file, "");
  }
  scratch.write(deep + "/x.pb", "");
  fs::create_directory_symlink(scratch.path(), scratch.path() / "lib" / "loop");
  fs::create_directory_symlink(scratch.path() / "lib" / "d", scratch.path() / "lib" / "alias");
  scanSourcePaths(
      Configuration(Settings{.acceptPatterns = {"*.pb"},
                             .ignorePatterns = {"CVS"},
                             .sourcePaths = {root, root + "\\missing", root + "\\lib\\"}}),
      matcher, document);
  std::string chain = deep.substr(5);
  std::replace(chain.begin(), chain.end(), '/', '\\');
  const std::string lib = root + "\\lib\\";
  EXPECT_EQ(
      (std::vector<std::string>{
          root + "\\a.pb", lib + "alias" + chain + "\\x.pb", lib + "c.pb",
          lib + "d" + chain + "\\x.pb", root + "\\z.pb", lib + "alias" + chain + "\\x.pb",
          lib + "c.pb", lib + "d" + chain + "\\x.pb", lib + "loop\\a.pb", lib + "loop\\z.pb"}),
      document.files);
}

// An empty path would list the current directory but name its files at the root of the drive.
TEST_F(SourceWalk, EmptyPathAddsNothing) {
  const Configuration config(Settings{.acceptPatterns = {"*"}});
  scanDirectory(config, matcher, "", document.files);
  scanDirectory(config, matcher, "\\", document.files);
  EXPECT_TRUE(document.files.empty());
}

TEST_F(SourceWalk, PatternListsStopAtTheirFirstMatch) {
  const Configuration config(Settings{.acceptPatterns = {"*.pb", "*.pbi", ""}});
  EXPECT_TRUE(isAccepted(config, matcher, "a.pb"));
  EXPECT_FALSE(matcher.matches("a.pbi", ""));
  EXPECT_FALSE(isAccepted(config, matcher, "a.txt"));
}

}  // namespace
}  // namespace inkwright
