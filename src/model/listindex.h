// An index from a text field to the first record of a global list that holds it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace inkwright {

// Counts the calls of clearDocument, so that an index knows when the lists were emptied.
extern unsigned documentGeneration;

// note [first match]
// Every lookup of the system answers with the FIRST record whose field is equal, byte for byte,
// and the global lists only grow at their end. So an index from field to first position stays
// right as records are appended: it catches up on the new records at the next lookup (keeping an
// existing position) and starts afresh when the lists were cleared. A list of n records then costs
// O(n) to index in all, and each lookup O(1), where a walk from the start would make a run that
// looks up every record quadratic.
template <class Record>
class FirstMatchIndex {
 public:
  explicit FirstMatchIndex(std::string Record::*field) : field_(field) {}

  // The position of the first record of `list` whose field equals `key`; -1 when there is none.
  long find(const std::vector<Record>& list, const std::string& key) {
    catchUp(list);
    const auto found = first_.find(key);
    return found == first_.end() ? -1 : static_cast<long>(found->second);
  }

 private:
  void catchUp(const std::vector<Record>& list) {
    if (generation_ != documentGeneration || indexed_ > list.size()) {
      first_.clear();
      indexed_ = 0;
      generation_ = documentGeneration;
    }
    for (; indexed_ < list.size(); ++indexed_) {
      first_.emplace(list[indexed_].*field_, indexed_);
    }
  }

  std::string Record::*field_;
  std::unordered_map<std::string, std::size_t> first_;
  std::size_t indexed_ = 0;
  unsigned generation_ = 0;
};

}  // namespace inkwright
