// The one-line description of an entry, as the index page and the binding files show it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/document.h"

namespace inkwright {

// Where `preferredTags` (the "description item" names, by preference) names a tag the entry
// holds: the first paragraph of the first such tag of the first such name, its lines trimmed of
// blanks and tabs and joined with one blank, without a leading "name -", "name --" or "name:" that
// repeats the entry's name (see firstParagraph and withoutRepeatedName in the .cpp); empty when
// the tag holds no text. Otherwise the text between the first and the second "-" of the entry's
// last NAME tag (to the end of the value when it holds one "-", empty when it holds none),
// untrimmed and with any line feeds it spans; nullopt when the entry has no NAME tag. Every output
// that describes an entry starts from this, so which tag describes an entry is decided here and
// nowhere else.
std::optional<std::string> entryDescription(const DocEntry& entry,
                                            const std::vector<std::string>& preferredTags);

}  // namespace inkwright
