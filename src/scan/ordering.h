// Entry ordering: names, the sort of entryList, and the groups; and the one list sort.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/document.h"

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

// Sets the names an entry takes from its headerPath: entryName, the last "/"-separated component
// ('A/B/C' gives 'C', 'C' gives 'C', 'A/' gives ''), and sectionName, the component before it,
// or the whole path when it holds no "/" ('A/B/C' gives 'B', 'C' gives 'C').
void nameEntry(DocEntry& entry);

// nameEntry for every entry of entryList.
void deriveEntryNames();

// Sorts entryList ascending by entryName, ignoring the case of A-Z.
void sortEntries();

// The entries listed under each group name, in list order: those with a headerPath (an entry
// without one is never listed), so that a writer walks its groups without a walk of every entry
// per group.
using GroupMembers = std::unordered_map<std::string, std::vector<const DocEntry*>>;
GroupMembers entriesByGroup();

// Sets groupName where the headerPath holds exactly one "/" and fills groupList with the distinct
// group names, sorted ascending ignoring the case of A-Z.
void collectGroups();

}  // namespace inkwright
