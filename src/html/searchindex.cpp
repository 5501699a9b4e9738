#include "html/searchindex.h"

#include <array>
#include <unordered_map>

#include "text/text.h"

namespace inkwright {

namespace {

struct Reference {
  std::string_view written;
  char byte;
};

constexpr std::array<Reference, 4> kReferences = {Reference{"&amp;", '&'}, Reference{"&lt;", '<'},
                                                  Reference{"&gt;", '>'}, Reference{"&quot;", '"'}};

constexpr std::string_view kPageEnding = ".html";

// The values of one field of every entry, joined into one text with a line feed after each value
// but the last.
class Column {
 public:
  // A line end in a value would end its line: in a name or a description it becomes the blank a
  // browser shows it as, and in a link it goes, as a browser drops it from a URL.
  void add(std::string_view value, bool isLink = false) {
    if (!isFirst_) {
      text_ += '\n';
    }
    isFirst_ = false;
    for (const char c : value) {
      if (c != '\n' && c != '\r') {
        text_ += c;
      } else if (!isLink) {
        text_ += ' ';
      }
    }
  }

  const std::string& text() const { return text_; }

 private:
  std::string text_;
  bool isFirst_ = true;
};

void appendField(std::string& script, std::string_view name, std::string_view value,
                 Charset charset) {
  script += name;
  script += ": ";
  appendJavaScriptString(script, value, charset);
}

}  // namespace

std::string decodeHtml(std::string_view text) {
  std::size_t at = text.find('&');
  if (at == std::string_view::npos) {
    return std::string(text);
  }
  std::string decoded;
  decoded.reserve(text.size());
  std::size_t from = 0;
  while (at != std::string_view::npos) {
    decoded.append(text, from, at - from);
    from = at + 1;
    decoded += '&';
    for (const Reference& reference : kReferences) {
      if (startsWith(text.substr(at), reference.written)) {
        decoded.back() = reference.byte;
        from = at + reference.written.size();
        break;
      }
    }
    at = text.find('&', from);
  }
  decoded.append(text, from);
  return decoded;
}

// An array literal of the values of 50,000 entries takes Chromium over 100 ms to read; one string
// literal a field, split at its line feeds, takes a few. The section of an entry is a number into
// a list of each section once, and a link that is the name and ".html" an empty line, so that on
// the bench library an entry takes under 40 bytes beside its description.
std::string searchIndexScript(const Document& document, const PageLinks& pageLinks,
                              const std::vector<std::string>& descriptions, Charset charset) {
  Column sections;
  std::unordered_map<std::string_view, std::size_t> sectionNumbers;
  Column names;
  std::string sectionOf;
  Column descriptionColumn;
  Column hrefs;
  bool hasHrefs = false;
  std::size_t listed = 0;
  for (std::size_t i = 0; i < document.entries.size(); ++i) {
    const DocEntry& entry = document.entries[i];
    if (entry.entryName.empty() || !pageLinks.isEntryLinked(entry, i)) {
      continue;
    }
    const auto [found, isNew] =
        sectionNumbers.try_emplace(entry.sectionName, sectionNumbers.size());
    if (isNew) {
      sections.add(decodeHtml(pageLinks.shown(entry.sectionName)));
    }
    const std::string name = decodeHtml(pageLinks.shown(entry.entryName));
    const std::string href = decodeHtml(pageLinks.entryHref(entry, i));
    const bool madeFromName = href.size() == name.size() + kPageEnding.size() &&
                              startsWith(href, name) && href.ends_with(kPageEnding);
    names.add(name);
    if (listed > 0) {
      sectionOf += ',';
    }
    sectionOf += std::to_string(found->second);
    descriptionColumn.add(i < descriptions.size() ? descriptions[i] : std::string());
    hrefs.add(madeFromName ? std::string() : href, true);
    hasHrefs = hasHrefs || !madeFromName;
    ++listed;
  }

  std::string script = "var inkwrightIndex = {entries: " + std::to_string(listed) + ",\n";
  appendField(script, "sections", sections.text(), charset);
  script += ",\n";
  appendField(script, "names", names.text(), charset);
  script += ",\nsectionOf: \"" + sectionOf + "\",\n";
  appendField(script, "descriptions", descriptionColumn.text(), charset);
  script += ",\n";
  appendField(script, "hrefs", hasHrefs ? hrefs.text() : std::string(), charset);
  script += "};\n";
  return script;
}

}  // namespace inkwright
