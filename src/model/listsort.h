// The one list sort of the program: an in-place quicksort with a fixed order of equal keys, by a
// text field, ascending or descending, exact or ignoring the case of A-Z.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace inkwright {

enum class SortDirection { ascending, descending };

// Exact compares bytes unsigned; ignoreCase first maps A-Z to a-z. A shorter prefix is smaller.
enum class CaseMode { exact, ignoreCase };

// The order in which sortList leaves records with these keys: element k of the result is the
// position in keys of the record that ends at position k. See note [sort ties].
std::vector<std::size_t> sortedOrder(const std::vector<std::string_view>& keys,
                                     SortDirection direction, CaseMode caseMode);

// Moves the records of list so that position k holds the one that stood at order[k]; order must
// be a permutation of the positions, as sortedOrder gives it. Every record is moved once.
template <class Record>
void applyOrder(std::vector<Record>& list, std::vector<std::size_t> order) {
  // Each cycle of the permutation is followed once, marking every place it fills.
  for (std::size_t start = 0; start < order.size(); ++start) {
    if (order[start] == start) {
      continue;
    }
    Record held = std::move(list[start]);
    std::size_t at = start;
    while (order[at] != start) {
      const std::size_t from = order[at];
      list[at] = std::move(list[from]);
      order[at] = at;
      at = from;
    }
    list[at] = std::move(held);
    order[at] = at;
  }
}

// Sorts list in place by the text field key. Records whose keys compare equal end in the order
// the one quicksort of the program gives them (note [sort ties]), not in their first order.
template <class Record>
void sortList(std::vector<Record>& list, std::string Record::*key, SortDirection direction,
              CaseMode caseMode) {
  std::vector<std::string_view> keys;
  keys.reserve(list.size());
  for (const Record& record : list) {
    keys.emplace_back(record.*key);
  }
  applyOrder(list, sortedOrder(keys, direction, caseMode));
}

// Sorts a list of texts in place by the texts themselves, as sortList does by a field.
void sortList(std::vector<std::string>& list, SortDirection direction, CaseMode caseMode);

}  // namespace inkwright
