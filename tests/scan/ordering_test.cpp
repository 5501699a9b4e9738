#include "scan/ordering.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "model/document.h"

namespace inkwright {
namespace {

// Orders entries with these header paths; gives each as "headerPath@entryName@groupName".
std::vector<std::string> ordered(const std::vector<std::string>& headerPaths) {
  clearDocument();
  for (const std::string& path : headerPaths) {
    entryList.emplace_back().headerPath = path;
  }
  deriveEntryNames();
  sortEntries();
  collectGroups();
  std::vector<std::string> entries;
  for (const DocEntry& entry : entryList) {
    entries.push_back(entry.headerPath + "@" + entry.entryName + "@" + entry.groupName);
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
  EXPECT_EQ((std::vector<std::string>{"Group/@@Group", "Core/A@A@Core", "core/B@B@core",
                                      "Core/C@C@Core", "A/B/C@C@", "Name@Name@"}),
            ordered({"Core/A", "core/B", "A/B/C", "Core/C", "Name", "Group/"}));
  EXPECT_EQ((std::vector<std::string>{"core", "Core", "Group"}), groupList);
}

struct Replacement {
  std::string searchText;
  std::string replacement;
};

// Each case reaches another branch of the pivot choice; the replacement of each record is its
// position before the sort.
TEST(SortList, OrdersRecordsByTheirKeyWithAFixedTieOrder) {
  const struct {
    std::vector<std::string> keys;
    SortDirection direction;
    CaseMode caseMode;
    std::string order;
  } cases[] = {
      {{"ab", "B", "\xe9", "abc", "b"}, SortDirection::descending, CaseMode::exact, "35412"},
      {{"A", "A", "B", "A", "C"}, SortDirection::ascending, CaseMode::exact, "21435"},
      {{"A", "B", "A"}, SortDirection::ascending, CaseMode::exact, "132"},
      {{"a", "A", "b"}, SortDirection::ascending, CaseMode::ignoreCase, "213"},
  };
  for (const auto& c : cases) {
    std::vector<Replacement> list;
    for (const std::string& key : c.keys) {
      list.push_back(Replacement{key, std::to_string(list.size() + 1)});
    }
    sortList(list, &Replacement::searchText, c.direction, c.caseMode);
    std::string sorted;
    for (const Replacement& record : list) {
      sorted += record.replacement;
    }
    EXPECT_EQ(c.order, sorted);
  }
}

std::string folded(std::string key) {
  for (char& c : key) {
    c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
  }
  return key;
}

// Long runs of equal keys and sorted runs are what drive a plain quicksort deepest.
TEST(SortList, LeavesEqualSortedAndRandomKeysInOrder) {
  std::vector<std::string> keys(100000, "same");
  for (int k = 0; k < 100000; ++k) {
    keys.push_back(std::to_string(100000 + k));
  }
  std::mt19937 random(7);
  for (int k = 0; k < 10000; ++k) {
    keys.push_back(
        std::string{"aB_\xe9"[random() % 4], "aB_\xe9"[random() % 4]}.substr(random() % 3));
  }
  std::vector<std::string> list = keys;
  sortList(list, SortDirection::descending, CaseMode::ignoreCase);
  std::transform(list.begin(), list.end(), list.begin(), folded);
  std::transform(keys.begin(), keys.end(), keys.begin(), folded);
  // std::string compares its bytes unsigned, as the sort does.
  std::sort(keys.begin(), keys.end(), std::greater<>());
  EXPECT_EQ(keys, list);
}

}  // namespace
}  // namespace inkwright
