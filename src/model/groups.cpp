#include "model/groups.h"

namespace inkwright {

bool isListedInItsGroup(const DocEntry& entry) {
  return !entry.headerPath.empty() && !entry.groupName.empty();
}

GroupMembers entriesByGroup(const Document& document) {
  GroupMembers groups;
  for (const DocEntry& entry : document.entries) {
    if (isListedInItsGroup(entry)) {
      groups[entry.groupName].push_back(&entry);
    }
  }
  return groups;
}

}  // namespace inkwright
