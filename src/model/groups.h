// The entries of each group, as the index pages and the help project list them.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "model/document.h"

namespace inkwright {

// Whether the master index and the help project's contents list the entry under its group: it
// has a group, and a headerPath (so an entry without one is never listed).
bool isListedInItsGroup(const DocEntry& entry);

// The entries listed under each group name (isListedInItsGroup), in list order, so that a writer
// walks its groups without a walk of every entry per group.
using GroupMembers = std::unordered_map<std::string, std::vector<const DocEntry*>>;
GroupMembers entriesByGroup(const Document& document);

}  // namespace inkwright
