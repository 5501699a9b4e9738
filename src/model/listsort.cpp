#include "model/listsort.h"

#include <algorithm>
#include <cstddef>

#include "text/text.h"

namespace inkwright {

namespace {

struct SortItem {
  std::string_view key;
  std::size_t position;
};

unsigned char foldedByte(char c, CaseMode caseMode) {
  return static_cast<unsigned char>(caseMode == CaseMode::ignoreCase ? asciiLower(c) : c);
}

// The comparison in the sort's own order: below 0 when a comes first, above 0 when b does.
struct KeyOrder {
  SortDirection direction;
  CaseMode caseMode;

  int compare(std::string_view a, std::string_view b) const {
    int result = 0;
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t k = 0; k < common && result == 0; ++k) {
      result = int{foldedByte(a[k], caseMode)} - int{foldedByte(b[k], caseMode)};
    }
    if (result == 0) {
      result = a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
    }
    return direction == SortDirection::descending ? -result : result;
  }
};

// note [sort ties]
// Entries with equal names are common (every group may have its own "Init"), and which of them
// comes first decides the order of every output: the pages' links, the index, the contents, the
// help project. So the order of equal keys is not left to a library sort, whose tie order may
// change between library versions: it is fixed by this one quicksort, with its pivot choice (first,
// middle or last record, by comparing the three), its two-cursor partition that stops on keys
// equal to the pivot and exchanges them, and its split into [first, split] and (split, last].
// The sort is not stable: two equal keys that form the whole range change places, so 'core/Init'
// and 'gui/Init' end as 'gui/Init', 'core/Init'. The two parts of a split are disjoint, so which is
// sorted first does not change the result; the smaller one is sorted first, by a call, and the
// larger one by the loop, which bounds the depth of calls by the logarithm of the list's length.
std::ptrdiff_t choosePivot(const std::vector<SortItem>& items, std::ptrdiff_t first,
                           std::ptrdiff_t last, const KeyOrder& order) {
  const std::ptrdiff_t middle = first + (last - first) / 2;
  const std::string_view f = items[first].key;
  const std::string_view m = items[middle].key;
  const std::string_view l = items[last].key;
  if (order.compare(f, l) <= 0 && order.compare(m, f) <= 0) {
    return first;
  }
  if (order.compare(f, l) > 0 || order.compare(m, l) < 0) {
    return middle;
  }
  return last;
}

// Puts the pivot first and partitions the range; returns the split position.
std::ptrdiff_t partition(std::vector<SortItem>& items, std::ptrdiff_t first, std::ptrdiff_t last,
                         const KeyOrder& order) {
  std::swap(items[choosePivot(items, first, last, order)], items[first]);
  const std::string_view pivot = items[first].key;
  std::ptrdiff_t i = first - 1;
  std::ptrdiff_t j = last + 1;
  for (;;) {
    do {
      --j;
    } while (order.compare(items[j].key, pivot) > 0);
    do {
      ++i;
    } while (order.compare(items[i].key, pivot) < 0);
    if (i >= j) {
      return j;
    }
    std::swap(items[i], items[j]);
  }
}

void sortRange(std::vector<SortItem>& items, std::ptrdiff_t first, std::ptrdiff_t last,
               const KeyOrder& order) {
  while (first < last) {
    const std::ptrdiff_t split = partition(items, first, last, order);
    if (split - first < last - split) {
      sortRange(items, first, split, order);
      first = split + 1;
    } else {
      sortRange(items, split + 1, last, order);
      last = split;
    }
  }
}

}  // namespace

std::vector<std::size_t> sortedOrder(const std::vector<std::string_view>& keys,
                                     SortDirection direction, CaseMode caseMode) {
  std::vector<SortItem> items;
  items.reserve(keys.size());
  for (std::size_t k = 0; k < keys.size(); ++k) {
    items.push_back(SortItem{keys[k], k});
  }
  sortRange(items, 0, static_cast<std::ptrdiff_t>(items.size()) - 1, KeyOrder{direction, caseMode});
  std::vector<std::size_t> order;
  order.reserve(items.size());
  for (const SortItem& item : items) {
    order.push_back(item.position);
  }
  return order;
}

void sortList(std::vector<std::string>& list, SortDirection direction, CaseMode caseMode) {
  const std::vector<std::string_view> keys(list.begin(), list.end());
  applyOrder(list, sortedOrder(keys, direction, caseMode));
}

}  // namespace inkwright
