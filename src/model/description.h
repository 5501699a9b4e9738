// The one-line description of an entry, as the index page and the binding files show it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"

namespace inkwright {

// Where `preferredTags` (the "description item" names, by preference) names a tag the entry
// holds: the first non-empty line of the first such tag of the first such name, trimmed of blanks
// and tabs, without a leading "name - " or "name -- " that repeats the entry's name. Otherwise the
// text between the first and the second "-" of the entry's last NAME tag (to the end of the value
// when it holds one "-", empty when it holds none), untrimmed and with any line feeds it spans;
// nullopt when the entry has no NAME tag. The result points into the entry's tags. Every output
// that describes an entry starts from this, so which tag describes an entry is decided here and
// nowhere else.
std::optional<std::string_view> entryDescription(const DocEntry& entry,
                                                 const std::vector<std::string>& preferredTags);

}  // namespace inkwright
