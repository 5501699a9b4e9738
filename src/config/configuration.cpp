#include "config/configuration.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "text/text.h"
#include "text/textfile.h"

namespace inkwright {

namespace {

// A key line that names a marker-set pattern. The pattern of a marker-list key counts only when
// the key's value gives a marker, which is known once the whole file is read; so every pattern is
// registered then, in the order of its key lines, and the last matching set stays the one chosen.
struct PatternKey {
  std::string pattern;
  std::string listKey;  // empty for a single-marker key, which always registers its pattern
};

// The settings while the file is read, and the key lines that name marker-set patterns.
struct SettingsReader {
  Settings settings;
  std::vector<PatternKey> patternKeys;
};

// The value of the first pair whose key is `key`, as every lookup answers.
std::string_view firstValue(const std::vector<ConfigPair>& pairs, const std::string& key) {
  const auto found = std::find_if(pairs.begin(), pairs.end(),
                                  [&](const ConfigPair& pair) { return pair.key == key; });
  return found == pairs.end() ? std::string_view() : std::string_view(found->value);
}

// Appends a MarkerSet with each pattern and empty markers unless one with the same pattern exists.
void registerMarkerSets(SettingsReader& reader) {
  std::unordered_set<std::string> registered;
  for (const PatternKey& key : reader.patternKeys) {
    if (!key.listKey.empty() &&
        markerList(firstValue(reader.settings.configList, key.listKey)).empty()) {
      continue;
    }
    if (registered.insert(key.pattern).second) {
      reader.settings.markerSetList.push_back(MarkerSet{key.pattern, "", "", "", {}, {}, {}});
    }
  }
}

void readKeyLine(SettingsReader& reader, const std::string& line, std::size_t lineNumber) {
  Settings& settings = reader.settings;
  std::string key = textBetween(line, "[", "]");
  const std::string_view head = fieldView(key, 1, ':');
  const std::string_view tail = fieldView(key, 2, ':');
  const bool hasPattern = key.find(':') != std::string::npos;
  if (head == "template") {
    settings.templateList.push_back(NamedText{std::string(tail), ""});
  } else if (head == "replacer") {
    settings.replacerList.push_back(NamedText{std::string(tail), ""});
  } else if (hasPattern && isMarkerKey(head)) {
    reader.patternKeys.push_back(PatternKey{std::string(tail), ""});
  } else if (hasPattern && isMarkerListKey(head)) {
    reader.patternKeys.push_back(
        PatternKey{std::string(tail), std::string(head) + ":" + std::string(tail)});
  }
  settings.configList.push_back(ConfigPair{std::move(key), "", lineNumber, {}});
}

// Empty lines before a value's first line vanish; later ones stay as empty lines of the value.
void readValueLine(Settings& settings, const std::string& line, std::size_t lineNumber) {
  ConfigPair& pair = settings.configList.back();
  const std::string_view trimmed = trimBlanksView(line);
  if (pair.value.empty() && trimmed.empty()) {
    return;
  }
  if (!pair.valueLines.empty()) {
    pair.value += '\n';
  }
  pair.value += trimmed;
  pair.valueLines.push_back(lineNumber);
}

void readLines(InputFile& file, SettingsReader& reader) {
  std::string line;
  std::size_t lineNumber = 0;
  do {
    readLine(file, line);
    ++lineNumber;
    std::replace(line.begin(), line.end(), '\t', ' ');
    if (!line.empty() && line.front() == '[') {
      readKeyLine(reader, line, lineNumber);
    } else if (line.empty() || line.front() != '#') {
      readValueLine(reader.settings, line, lineNumber);
    }
  } while (!atEnd(file));
}

}  // namespace

std::optional<Configuration> readConfigurationFile(const std::string& path) {
  DigestBuilder digest;
  std::optional<InputFile> file = openInput(path, &digest);
  if (!file) {
    return std::nullopt;
  }
  SettingsReader reader;
  reader.settings.configList.push_back(ConfigPair{"DUMMY", "", 0, {}});
  readLines(*file, reader);
  closeFile(*file);
  reader.settings.fileDigest = digest.digest();
  registerMarkerSets(reader);
  deriveSettings(reader.settings);
  return Configuration(std::move(reader.settings));
}

Configuration readConfiguration(const std::string& path) {
  if (std::optional<Configuration> config = readConfigurationFile(path)) {
    return std::move(*config);
  }
  Settings settings;
  settings.configList.push_back(ConfigPair{"DUMMY", "", 0, {}});
  settings.fileDigest = DigestBuilder().digest();
  deriveSettings(settings);
  return Configuration(std::move(settings));
}

}  // namespace inkwright
