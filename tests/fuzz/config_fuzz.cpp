// The configuration reader and its derivation, on any file; every lookup must answer what a walk
// of its list from the start finds, and no marker-set pattern is registered twice.
#include "../firstmatch.h"
#include "config/configuration.h"
#include "config/settings.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace inkwright;
  const std::string path = writeScratchFile(
      "inkwright.cfg", std::string_view(reinterpret_cast<const char*>(data), size));
  const Configuration config = readConfiguration(path);
  const Settings& settings = config.settings();
  // A tag's own template is the first pair of its key, when that holds a value.
  for (const ConfigPair& pair : settings.configList) {
    if (pair.key.starts_with("template:#")) {
      const std::string tagName = pair.key.substr(10);
      const std::string& own = firstMatch(settings.configList, &ConfigPair::key, pair.key)->value;
      if (config.tagTemplate(tagName) != (own.empty() ? config.templateText("tag") : own)) {
        __builtin_trap();
      }
    }
  }
  for (const NamedText& entry : settings.templateList) {
    if (config.templateText(entry.name) !=
        firstMatch(settings.templateList, &NamedText::name, entry.name)->text) {
      __builtin_trap();
    }
  }
  for (const TagRule& rule : settings.tagRuleList) {
    if (config.tagRule(rule.name) != firstMatch(settings.tagRuleList, &TagRule::name, rule.name)) {
      __builtin_trap();
    }
  }
  // A pattern is registered once, whichever keys name it.
  for (std::size_t i = 0; i < settings.markerSetList.size(); ++i) {
    for (std::size_t k = 0; k < i; ++k) {
      if (settings.markerSetList[i].pattern == settings.markerSetList[k].pattern) {
        __builtin_trap();
      }
    }
  }
  return 0;
}
