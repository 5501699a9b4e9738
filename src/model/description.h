// The one-line description of an entry, as the index page and the binding files show it.
#pragma once

#include <optional>
#include <string_view>

#include "model/document.h"

namespace inkwright {

// The text between the first and the second "-" of the entry's last NAME tag (to the end of the
// value when it holds one "-", empty when it holds none), untrimmed and with any line feeds it
// spans; nullopt when the entry has no NAME tag. The result points into the entry's tags. Every
// output that describes an entry starts from this, so which tag describes an entry is decided here
// and nowhere else.
std::optional<std::string_view> entryDescription(const DocEntry& entry);

}  // namespace inkwright
