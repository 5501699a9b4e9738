// The entries of each group, as the index pages and the help project list them.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "model/document.h"

namespace inkwright {

// The entries listed under each group name, in list order: those with a headerPath (an entry
// without one is never listed), so that a writer walks its groups without a walk of every entry
// per group.
using GroupMembers = std::unordered_map<std::string, std::vector<const DocEntry*>>;
GroupMembers entriesByGroup(const Document& document);

}  // namespace inkwright
