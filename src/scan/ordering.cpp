#include "scan/ordering.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "model/listsort.h"

namespace inkwright {

void nameEntry(DocEntry& entry) {
  const std::string_view path = entry.headerPath;
  const std::size_t last = path.rfind('/');
  if (last == std::string_view::npos) {
    entry.entryName = path;
    entry.sectionName = path;
    return;
  }
  const std::size_t before = last == 0 ? std::string_view::npos : path.rfind('/', last - 1);
  const std::size_t sectionStart = before == std::string_view::npos ? 0 : before + 1;
  entry.entryName = path.substr(last + 1);
  entry.sectionName = path.substr(sectionStart, last - sectionStart);
}

void deriveEntryNames(Document& document) {
  for (DocEntry& entry : document.entries) {
    nameEntry(entry);
  }
}

void sortEntries(Document& document) {
  sortList(document.entries, &DocEntry::entryName, SortDirection::ascending, CaseMode::ignoreCase);
}

// Group names are told apart exactly, so 'Core' and 'core' are two groups, side by side after
// the case-ignoring sort.
void collectGroups(Document& document) {
  std::unordered_set<std::string> known(document.groups.begin(), document.groups.end());
  for (DocEntry& entry : document.entries) {
    const std::string& path = entry.headerPath;
    if (std::count(path.begin(), path.end(), '/') != 1) {
      continue;
    }
    entry.groupName = path.substr(0, path.find('/'));
    if (known.insert(entry.groupName).second) {
      document.groups.push_back(entry.groupName);
    }
  }
  sortList(document.groups, SortDirection::ascending, CaseMode::ignoreCase);
}

}  // namespace inkwright
