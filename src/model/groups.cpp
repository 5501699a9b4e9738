#include "model/groups.h"

namespace inkwright {

GroupMembers entriesByGroup(const Document& document) {
  GroupMembers groups;
  for (const DocEntry& entry : document.entries) {
    if (!entry.headerPath.empty()) {
      groups[entry.groupName].push_back(&entry);
    }
  }
  return groups;
}

}  // namespace inkwright
