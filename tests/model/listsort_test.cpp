#include "model/listsort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace inkwright {
namespace {

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
