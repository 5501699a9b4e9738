#include "model/description.h"

#include "text/text.h"

namespace inkwright {

// A NAME tag reads "Name - what it does": the name goes before the first "-". The last NAME tag
// wins, so a block that repeats the tag describes the entry by its final word on it.
std::optional<std::string_view> entryDescription(const DocEntry& entry) {
  std::optional<std::string_view> description;
  for (const TagPair& tag : entry.tags) {
    if (tag.tagName == "NAME") {
      description = fieldView(tag.tagValue, 2, '-');
    }
  }
  return description;
}

}  // namespace inkwright
