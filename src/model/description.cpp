#include "model/description.h"

#include <string_view>

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

bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The column at which the text of a line starts, counted from 0; a tab moves to the next multiple
// of 8, as an editor shows it.
std::size_t indentation(std::string_view line) {
  std::size_t column = 0;
  for (const char c : line) {
    if (c == ' ') {
      ++column;
    } else if (c == '\t') {
      column = column / 8 * 8 + 8;
    } else {
      break;
    }
  }
  return column;
}

// Whether text, a line without its indentation, opens a list item: "* ", "- ", "+ ", or a number
// of 1 to 9 digits followed by ". " or ") ".
bool isListItem(std::string_view text) {
  if (text.size() >= 2 && (text[0] == '*' || text[0] == '-' || text[0] == '+') && text[1] == ' ') {
    return true;
  }
  std::size_t digits = 0;
  while (digits < text.size() && digits <= 9 && isDigit(text[digits])) {
    ++digits;
  }
  return digits >= 1 && digits <= 9 && text.size() >= digits + 2 &&
         (text[digits] == '.' || text[digits] == ')') && text[digits + 1] == ' ';
}

// The first paragraph of a tag: its first non-empty line and the lines that go on its sentence,
// each trimmed of blanks and tabs, joined with one blank. A sentence often runs over two or three
// lines of a comment, so a single line would cut it short; the paragraph stops before an empty
// line, a list item, a "[TAB]" table line, or a line indented two columns or more deeper than the
// first, which starts a quoted example or a nested block rather than going on with the text. The
// first line is taken whatever it holds, a list item included: a tag that opens with a list is
// described by its first item.
std::string firstParagraph(std::string_view value) {
  std::string paragraph;
  bool started = false;
  bool ended = false;
  std::size_t firstIndentation = 0;
  forEachLine(value, [&](std::string_view line) {
    if (ended) {
      return;
    }
    const std::string_view text = trimBlanksAndTabs(line);
    if (!started) {
      if (!text.empty()) {
        started = true;
        firstIndentation = indentation(line);
        paragraph = text;
      }
      return;
    }
    if (text.empty() || isListItem(text) || text.find("[TAB]") != std::string_view::npos ||
        indentation(line) >= firstIndentation + 2) {
      ended = true;
      return;
    }
    paragraph += ' ';
    paragraph += text;
  });
  return paragraph;
}

// A preferred tag often opens by repeating the entry's name ("vec_add - adds two vectors",
// "VEC_ADD: adds"). The name is dropped when it stands first, in any case of A-Z, with any blanks
// or tabs before its "-", "--" or ":" and at least one after it; without that blank, as in
// "vec_add -x", the dash may belong to the text, which is kept whole.
std::string_view withoutRepeatedName(std::string_view text, std::string_view name) {
  if (name.empty() || text.size() < name.size()) {
    return text;
  }
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (asciiLower(text[i]) != asciiLower(name[i])) {
      return text;
    }
  }
  std::size_t at = name.size();
  while (at < text.size() && isBlankOrTab(text[at])) {
    ++at;
  }
  for (const std::string_view mark : {"--", "-", ":"}) {
    const std::size_t after = at + mark.size();
    if (text.substr(at).starts_with(mark) && after < text.size() && isBlankOrTab(text[after])) {
      return trimBlanksAndTabs(text.substr(after));
    }
  }
  return text;
}

// A NAME tag reads "Name - what it does": the name goes before the first "-". The last NAME tag
// wins, so a block that repeats the tag describes the entry by its final word on it.
std::optional<std::string> nameTagDescription(const DocEntry& entry) {
  std::optional<std::string> description;
  for (const TagPair& tag : entry.tags) {
    if (tag.tagName == "NAME") {
      description = std::string(fieldView(tag.tagValue, 2, '-'));
    }
  }
  return description;
}

}  // namespace

std::optional<std::string> entryDescription(const DocEntry& entry,
                                            const std::vector<std::string>& preferredTags) {
  if (const TagPair* const tag = preferredTag(entry, preferredTags)) {
    const std::string paragraph = firstParagraph(tag->tagValue);
    return std::string(withoutRepeatedName(paragraph, entry.entryName));
  }
  return nameTagDescription(entry);
}

}  // namespace inkwright
