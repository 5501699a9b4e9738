#include "config/configuration.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "model/document.h"
#include "text/text.h"
#include "text/textfile.h"

namespace inkwright {

namespace {

// The settings while the file is read, and the patterns of the marker sets registered so far.
struct SettingsReader {
  Settings settings;
  std::unordered_set<std::string> markerPatterns;
};

// Appends a MarkerSet with this pattern and empty markers unless one with the same pattern exists.
void registerMarkerSet(SettingsReader& reader, const std::string& pattern) {
  if (reader.markerPatterns.insert(pattern).second) {
    reader.settings.markerSetList.push_back(MarkerSet{pattern, "", "", ""});
  }
}

void readKeyLine(SettingsReader& reader, const std::string& line) {
  Settings& settings = reader.settings;
  std::string key = textBetween(line, "[", "]");
  const std::string_view head = fieldView(key, 1, ':');
  const std::string_view tail = fieldView(key, 2, ':');
  if (head == "template") {
    settings.templateList.push_back(NamedText{std::string(tail), ""});
  } else if (head == "replacer") {
    settings.replacerList.push_back(NamedText{std::string(tail), ""});
  } else if (key.find(':') != std::string::npos &&
             (head == "block start" || head == "block end" || head == "line start")) {
    registerMarkerSet(reader, std::string(tail));
  }
  settings.configList.push_back(ConfigPair{std::move(key), ""});
}

// Empty lines before a value's first line vanish; later ones stay as empty lines of the value.
void readValueLine(Settings& settings, const std::string& line) {
  std::string& value = settings.configList.back().value;
  const std::string_view trimmed = trimBlanksView(line);
  if (!value.empty()) {
    value += '\n';
  }
  value += trimmed;
}

void readLines(InputFile& file, SettingsReader& reader) {
  std::string line;
  do {
    readLine(file, line);
    std::replace(line.begin(), line.end(), '\t', ' ');
    if (!line.empty() && line.front() == '[') {
      readKeyLine(reader, line);
    } else if (line.empty() || line.front() != '#') {
      readValueLine(reader.settings, line);
    }
  } while (!atEnd(file));
}

}  // namespace

Configuration readConfiguration(const std::string& path) {
  SettingsReader reader;
  reader.settings.configList.push_back(ConfigPair{"DUMMY", ""});
  if (std::optional<InputFile> file = openInput(path)) {
    readLines(*file, reader);
    closeFile(*file);
  }
  deriveSettings(reader.settings);
  return Configuration(std::move(reader.settings));
}

}  // namespace inkwright
