// Block and directive extraction of one source text, under markers, marker lists, switches, code
// items and tag names taken from the input, then the ordering of what it found. Without switches
// and code items, lists that hold just the single markers must read the text as the single
// markers do.
#include "config/settings.h"
#include "fuzzinput.h"
#include "model/document.h"
#include "scan/extraction.h"
#include "scan/ordering.h"
#include "text/text.h"

namespace {

using namespace inkwright;

// What extraction gave for the document's entries, as one text per entry.
std::vector<std::string> entryTexts(const Document& document) {
  std::vector<std::string> entries;
  for (const DocEntry& entry : document.entries) {
    std::string text = entry.headerType + '\0' + entry.headerPath + '\0';
    for (const TagPair& tag : entry.tags) {
      text += tag.tagName + '\0' + tag.tagValue + '\0';
    }
    entries.push_back(std::move(text));
  }
  return entries;
}

Document extract(const Configuration& config, const std::string& path, const MarkerSet& markers) {
  Document document{.files = {path}};
  extractSourceFiles(config, {&markers}, document);
  return document;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> parts = inputParts(data, size, 10);
  Settings settings;
  addTagRules(settings.tagRuleList, parts[3], false, TagKind::plainItem);
  settings.options = optionsFrom(parts[8]);
  forEachLine(parts[9], [&](std::string_view line) {
    if (!line.empty()) {
      settings.codeItems.emplace_back(line);
    }
  });
  const bool plainRules = settings.codeItems.empty() && !settings.options.indentedMarkers &&
                          !settings.options.wholeHeaderName && !settings.options.wholeTagNames &&
                          !settings.options.markedTagsOnly;
  const Configuration config(std::move(settings));
  MarkerSet markers{.blockStart = parts[0], .blockEnd = parts[1], .lineStart = parts[2]};
  const std::string path = writeScratchFile("source.pb", parts[4]);
  if (plainRules) {
    const std::vector<std::string> single = entryTexts(extract(config, path, markers));
    MarkerSet lists = markers;
    lists.blockStarts = {markers.blockStart};
    lists.blockEnds = {markers.blockEnd};
    lists.lineStarts = {markers.lineStart};
    if (entryTexts(extract(config, path, lists)) != single) {
      __builtin_trap();
    }
  }
  markers.blockStarts = markerList(parts[5]);
  markers.blockEnds = markerList(parts[6]);
  markers.lineStarts = markerList(parts[7]);
  Document document = extract(config, path, markers);
  for (const DocEntry& entry : document.entries) {
    if (entry.tags.size() > static_cast<std::size_t>(kMaxTags)) {
      __builtin_trap();
    }
  }
  deriveEntryNames(document);
  sortEntries(document);
  collectGroups(document);
  return 0;
}
