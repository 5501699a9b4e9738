#include "config/configuration.h"

#include <algorithm>

#include "config/settings.h"
#include "model/document.h"
#include "model/listindex.h"
#include "text/text.h"
#include "text/textfile.h"

namespace inkwright {

namespace {

void readKeyLine(const std::string& line) {
  std::string key = textBetween(line, "[", "]");
  const std::string_view head = fieldView(key, 1, ':');
  const std::string_view tail = fieldView(key, 2, ':');
  if (head == "template") {
    templateList.push_back(NamedText{std::string(tail), ""});
  } else if (head == "replacer") {
    replacerList.push_back(NamedText{std::string(tail), ""});
  } else if (key.find(':') != std::string::npos &&
             (head == "block start" || head == "block end" || head == "line start")) {
    registerMarkerSet(std::string(tail));
  }
  configList.push_back(ConfigPair{std::move(key), ""});
}

// Empty lines before a value's first line vanish; later ones stay as empty lines of the value.
void readValueLine(const std::string& line) {
  std::string& value = configList.back().value;
  const std::string_view trimmed = trimBlanksView(line);
  if (!value.empty()) {
    value += '\n';
  }
  value += trimmed;
}

void readLines(InputFile& file) {
  std::string line;
  do {
    readLine(file, line);
    std::replace(line.begin(), line.end(), '\t', ' ');
    if (!line.empty() && line.front() == '[') {
      readKeyLine(line);
    } else if (line.empty() || line.front() != '#') {
      readValueLine(line);
    }
  } while (!atEnd(file));
}

}  // namespace

void readConfiguration(const std::string& path) {
  templateList.clear();
  configList.clear();
  ++documentGeneration;  // see note [first match]: the indexes of these lists start afresh
  configList.push_back(ConfigPair{"DUMMY", ""});
  if (std::optional<InputFile> file = openInput(path)) {
    readLines(*file);
    closeFile(*file);
  }
  deriveSettings();
}

}  // namespace inkwright
