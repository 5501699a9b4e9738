#include "text/platform.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tempdir.h"

namespace inkwright {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> namesOf(const std::vector<DirectoryEntry>& entries) {
  std::vector<std::string> names;
  for (const DirectoryEntry& entry : entries) {
    names.push_back(entry.name);
  }
  return names;
}

TEST(ListDirectory, ListsDotsFirstThenNamesInRaisedByteOrder) {
  TempDir dir;
  for (const char* name : {"b.pb", "B2.pb", "a", "_x", "Z", "[w", "\xe9t\xe9", "~"}) {
    dir.write(name, "");
  }
  const std::optional<std::vector<DirectoryEntry>> entries = listDirectory(dir.path().string());
  ASSERT_TRUE(entries.has_value());
  // "." (46) sorts before "2" (50); "_" (95) lies above the raised letters, "[" (91) just above
  // Z; bytes over 127 come last.
  EXPECT_EQ((std::vector<std::string>{".", "..", "a", "b.pb", "B2.pb", "Z", "[w", "_x", "~",
                                      "\xe9t\xe9"}),
            namesOf(*entries));
}

TEST(ListDirectory, NamesThatDifferInCaseOnlyKeepRawByteOrder) {
  TempDir dir;
  dir.write("ab", "");
  dir.write("AB", "");
  dir.write("Ab", "");
  const std::optional<std::vector<DirectoryEntry>> entries = listDirectory(dir.path().string());
  ASSERT_TRUE(entries.has_value());
  EXPECT_EQ((std::vector<std::string>{".", "..", "AB", "Ab", "ab"}), namesOf(*entries));
}

TEST(ListDirectory, FollowsLinksToTellDirectoriesFromFiles) {
  TempDir dir;
  fs::create_directories(dir.path() / "sub");
  dir.write("file", "");
  fs::create_directory_symlink(dir.path() / "sub", dir.path() / "linkdir");
  fs::create_symlink(dir.path() / "gone", dir.path() / "broken");
  const std::optional<std::vector<DirectoryEntry>> entries = listDirectory(dir.path().string());
  ASSERT_TRUE(entries.has_value());
  ASSERT_EQ(6u, entries->size());
  EXPECT_EQ("broken", (*entries)[2].name);
  EXPECT_FALSE((*entries)[2].isDirectory);
  EXPECT_FALSE((*entries)[3].isDirectory);
  EXPECT_EQ("linkdir", (*entries)[4].name);
  EXPECT_TRUE((*entries)[4].isDirectory);
  EXPECT_TRUE((*entries)[5].isDirectory);
}

TEST(ListDirectory, MissingDirectoryGivesNoListing) {
  TempDir dir;
  EXPECT_FALSE(listDirectory((dir.path() / "missing").string()).has_value());
  EXPECT_FALSE(listDirectory(dir.write("plain", "")).has_value());
}

TEST(DirectoryIdentity, SameDirectoryThroughALinkIsTheSame) {
  TempDir dir;
  fs::create_directories(dir.path() / "sub");
  fs::create_directory_symlink(dir.path(), dir.path() / "sub" / "up");
  const auto direct = directoryIdentity(dir.path().string());
  const auto linked = directoryIdentity(dir.path().string() + "\\sub\\up");
  const auto other = directoryIdentity(dir.path().string() + "\\sub");
  ASSERT_TRUE(direct && linked && other);
  EXPECT_EQ(*direct, *linked);
  EXPECT_FALSE(*direct == *other);
}

TEST(ShowMessage, WritesOneLineToStandardError) {
  testing::internal::CaptureStderr();
  showMessage("oops", "could not write out\\toc.html");
  EXPECT_EQ("oops: could not write out\\toc.html\n", testing::internal::GetCapturedStderr());
}

}  // namespace
}  // namespace inkwright
