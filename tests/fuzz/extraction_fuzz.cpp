// Block and directive extraction of one source text, under markers and tag names taken from the
// input, then the ordering of what it found.
#include "fuzzinput.h"
#include "model/document.h"
#include "scan/extraction.h"
#include "scan/ordering.h"
#include "text/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace inkwright;
  clearDocument();
  const std::vector<std::string> parts = inputParts(data, size, 5);
  addTagRules(parts[3], plainItem, 0);
  const MarkerSet markers{"", parts[0], parts[1], parts[2]};
  const std::string path = writeScratchFile("source.pb", parts[4]);
  extractSourceFiles({path}, {&markers});
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
