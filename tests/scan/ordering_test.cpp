#include "scan/ordering.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/document.h"

namespace inkwright {
namespace {

// Orders entries with these header paths; gives each as "headerPath@entryName@groupName", and
// the groups into groups.
std::vector<std::string> ordered(const std::vector<std::string>& headerPaths,
                                 std::vector<std::string>* groups = nullptr) {
  Document document;
  for (const std::string& path : headerPaths) {
    document.entries.emplace_back().headerPath = path;
  }
  deriveEntryNames(document);
  sortEntries(document);
  collectGroups(document);
  std::vector<std::string> entries;
  for (const DocEntry& entry : document.entries) {
    entries.push_back(entry.headerPath + "@" + entry.entryName + "@" + entry.groupName);
  }
  if (groups != nullptr) {
    *groups = document.groups;
  }
  return entries;
}

// The pages file an entry under its section, the last component but one, and the page writer and
// the ordering name entries by this one rule.
TEST(NameEntry, TakesTheLastComponentAndTheOneBeforeIt) {
  const struct {
    const char* headerPath;
    const char* entryName;
    const char* sectionName;
  } cases[] = {
      {"Core/Video", "Video", "Core"},
      {"Core/Video/Driver", "Driver", "Video"},
      {"Core", "Core", "Core"},
      {"Group/", "", "Group"},
      {"/Name", "Name", ""},
      {"a//b", "b", ""},
      {"", "", ""},
      {"A/B C/#D E", "#D E", "B C"},
  };
  for (const auto& c : cases) {
    DocEntry entry;
    entry.headerPath = c.headerPath;
    nameEntry(entry);
    EXPECT_EQ(c.entryName, entry.entryName) << c.headerPath;
    EXPECT_EQ(c.sectionName, entry.sectionName) << c.headerPath;
  }
}

// See note [sort ties]: the order of equal names is part of every output.
TEST(EntryOrdering, SortsByNameIgnoringCaseWithTheQuicksortsOwnTieOrder) {
  EXPECT_EQ((std::vector<std::string>{"gui/Init@Init@gui", "core/Init@Init@core"}),
            ordered({"core/Init", "gui/Init"}));
  EXPECT_EQ((std::vector<std::string>{"y/Init@Init@y", "z/Init@Init@z", "x/Init@Init@x"}),
            ordered({"x/Init", "y/Init", "z/Init"}));
  EXPECT_EQ((std::vector<std::string>{"@@", "a1@a1@", "A_B@A_B@", "alpha@alpha@", "Beta@Beta@"}),
            ordered({"Beta", "alpha", "", "A_B", "a1"}));
}

TEST(EntryOrdering, GroupsAreTheDistinctExactPrefixesOfOneSlashPaths) {
  std::vector<std::string> groups;
  EXPECT_EQ((std::vector<std::string>{"Group/@@Group", "Core/A@A@Core", "core/B@B@core",
                                      "Core/C@C@Core", "A/B/C@C@", "Name@Name@"}),
            ordered({"Core/A", "core/B", "A/B/C", "Core/C", "Name", "Group/"}, &groups));
  EXPECT_EQ((std::vector<std::string>{"core", "Core", "Group"}), groups);
}

}  // namespace
}  // namespace inkwright
