// Block and directive extraction of one source text, under markers and tag names taken from the
// input, then the ordering of what it found.
#include "config/settings.h"
#include "fuzzinput.h"
#include "model/document.h"
#include "scan/extraction.h"
#include "scan/ordering.h"
#include "text/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace inkwright;
  clearDocument();
  const std::vector<std::string> parts = inputParts(data, size, 5);
  Settings settings;
  addTagRules(settings.tagRuleList, parts[3], false, TagKind::plainItem);
  const Configuration config(std::move(settings));
  const MarkerSet markers{.blockStart = parts[0], .blockEnd = parts[1], .lineStart = parts[2]};
  const std::string path = writeScratchFile("source.pb", parts[4]);
  extractSourceFiles(config, {path}, {&markers});
  for (const DocEntry& entry : entryList) {
    if (entry.tags.size() > static_cast<std::size_t>(kMaxTags)) {
      __builtin_trap();
    }
  }
  deriveEntryNames();
  sortEntries();
  collectGroups();
  return 0;
}
