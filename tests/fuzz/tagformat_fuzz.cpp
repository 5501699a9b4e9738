// Tag formatting: the "[TAB]" tables and the rendering of every kind.
#include "fuzzinput.h"
#include "html/tagformat.h"
#include "model/document.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace inkwright;
  clearDocument();
  const std::vector<std::string> parts = inputParts(data, size, 1);
  const std::string& value = parts[0];
  expandTabTables(value);
  const char* const names[] = {"PLAIN", "SOURCE", "LINE", "TAB", "IGNORED", "UNKNOWN"};
  addTagRule("PLAIN", plainItem, 0);
  addTagRule("SOURCE", sourceItem, 0);
  addTagRule("LINE", lineItem, 0);
  addTagRule("TAB", tabItem, 0);
  addTagRule("IGNORED", plainItem, 1);
  for (const char* name : names) {
    isTagShown(name);
    formatTagValue(name, value);
  }
  return 0;
}
