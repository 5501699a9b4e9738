#include "model/description.h"

#include "text/text.h"

namespace inkwright {

namespace {

// The first tag of the first preferred name that the entry holds; null when it holds none.
const TagPair* preferredTag(const DocEntry& entry, const std::vector<std::string>& preferredTags) {
  for (const std::string& name : preferredTags) {
    for (const TagPair& tag : entry.tags) {
      if (tag.tagName == name) {
        return &tag;
      }
    }
  }
  return nullptr;
}

// A preferred tag often opens by repeating the entry's name ("vec_add - adds two vectors").
std::string_view withoutRepeatedName(std::string_view line, const std::string& name) {
  for (const std::string_view dash : {" - ", " -- "}) {
    if (line.size() >= name.size() + dash.size() && line.starts_with(name) &&
        line.substr(name.size()).starts_with(dash)) {
      return trimBlanksAndTabs(line.substr(name.size() + dash.size()));
    }
  }
  return line;
}

std::string_view firstLineDescription(const TagPair& tag, const std::string& name) {
  std::string_view description;
  bool found = false;
  forEachLine(tag.tagValue, [&](std::string_view line) {
    const std::string_view text = trimBlanksAndTabs(line);
    if (!found && !text.empty()) {
      description = withoutRepeatedName(text, name);
      found = true;
    }
  });
  return description;
}

// A NAME tag reads "Name - what it does": the name goes before the first "-". The last NAME tag
// wins, so a block that repeats the tag describes the entry by its final word on it.
std::optional<std::string_view> nameTagDescription(const DocEntry& entry) {
  std::optional<std::string_view> description;
  for (const TagPair& tag : entry.tags) {
    if (tag.tagName == "NAME") {
      description = fieldView(tag.tagValue, 2, '-');
    }
  }
  return description;
}

}  // namespace

std::optional<std::string_view> entryDescription(const DocEntry& entry,
                                                 const std::vector<std::string>& preferredTags) {
  if (const TagPair* const tag = preferredTag(entry, preferredTags)) {
    return firstLineDescription(*tag, entry.entryName);
  }
  return nameTagDescription(entry);
}

}  // namespace inkwright
