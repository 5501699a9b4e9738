// What a walk of a list from its start finds: the reference every configuration lookup must agree
// with, for the lookup tests and the configuration fuzzer alike.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace inkwright {

template <class Record>
const Record* firstMatch(const std::vector<Record>& list, std::string Record::*field,
                         const std::string& key) {
  const auto found = std::find_if(list.begin(), list.end(),
                                  [&](const Record& record) { return record.*field == key; });
  return found == list.end() ? nullptr : &*found;
}

}  // namespace inkwright
