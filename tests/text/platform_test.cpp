#include "text/platform.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tempdir.h"

namespace inkwright {
namespace {

namespace fs = std::filesystem;

// The names listed in the folder, each directory's followed by "/"; none when it cannot be listed.
std::vector<std::string> listingOf(const TempDir& dir) {
  std::vector<std::string> names;
  for (const DirectoryEntry& entry :
       listDirectory(dir.path().string()).value_or(std::vector<DirectoryEntry>{})) {
    names.push_back(entry.name + (entry.isDirectory ? "/" : ""));
  }
  return names;
}

// "." (46) sorts before "2" (50); "_" (95) lies above the raised letters, "[" (91) just above Z;
// bytes over 127 come last; names that differ in case only keep their raw byte order.
TEST(ListDirectory, ListsDotsFirstThenNamesInRaisedByteOrder) {
  TempDir dir;
  for (const char* name :
       {"b.pb", "ab", "B2.pb", "a", "_x", "Ab", "Z", "[w", "\xe9t\xe9", "~", "AB"}) {
    dir.write(name, "");
  }
  EXPECT_EQ((std::vector<std::string>{"./", "../", "a", "AB", "Ab", "ab", "b.pb", "B2.pb", "Z",
                                      "[w", "_x", "~", "\xe9t\xe9"}),
            listingOf(dir));
}

TEST(ListDirectory, FollowsLinksToTellDirectoriesFromFiles) {
  TempDir dir;
  fs::create_directories(dir.path() / "sub");
  dir.write("file", "");
  fs::create_directory_symlink(dir.path() / "sub", dir.path() / "linkdir");
  fs::create_symlink(dir.path() / "gone", dir.path() / "broken");
  EXPECT_EQ((std::vector<std::string>{"./", "../", "broken", "file", "linkdir/", "sub/"}),
            listingOf(dir));
}

TEST(ListDirectory, MissingDirectoryGivesNoListing) {
  TempDir dir;
  EXPECT_FALSE(listDirectory((dir.path() / "missing").string()).has_value());
  EXPECT_FALSE(listDirectory(dir.write("plain", "")).has_value());
}

}  // namespace
}  // namespace inkwright
