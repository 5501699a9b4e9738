// Tag formatting: the "[TAB]" tables and the rendering of every kind.
#include "config/settings.h"
#include "fuzzinput.h"
#include "html/tagformat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace inkwright;
  const std::vector<std::string> parts = inputParts(data, size, 1);
  const std::string& value = parts[0];
  expandTabTables(value);
  const char* const names[] = {"PLAIN", "SOURCE", "LINE", "TAB", "IGNORED", "UNKNOWN"};
  const Configuration config(
      Settings{.tagRuleList = {{.name = "PLAIN", .kind = TagKind::plainItem},
                               {.name = "SOURCE", .kind = TagKind::sourceItem},
                               {.name = "LINE", .kind = TagKind::lineItem},
                               {.name = "TAB", .kind = TagKind::tabItem},
                               {.name = "IGNORED", .ignored = true, .kind = TagKind::plainItem}}});
  for (const char* name : names) {
    isTagShown(config, name);
    formatTagValue(config, name, value);
  }
  return 0;
}
