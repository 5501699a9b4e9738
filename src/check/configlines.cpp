#include "check/configlines.h"

#include <algorithm>

#include "text/text.h"
#include "text/textfile.h"

namespace inkwright {

std::optional<std::vector<KeyLines>> readKeyLines(const std::string& path) {
  std::optional<InputFile> file = openInput(path);
  if (!file) {
    return std::nullopt;
  }
  std::vector<KeyLines> keys;
  std::string line;
  std::size_t number = 0;
  do {
    readLine(*file, line);
    ++number;
    if (startsWith(line, "[")) {
      keys.push_back(KeyLines{number, {}});
    } else if (!startsWith(line, "#") && !keys.empty()) {
      // A tab counts as a blank, as it does when the value is read.
      std::replace(line.begin(), line.end(), '\t', ' ');
      std::vector<std::size_t>& values = keys.back().valueLines;
      if (!values.empty() || !trimBlanksView(line).empty()) {
        values.push_back(number);
      }
    }
  } while (!atEnd(*file));
  closeFile(*file);
  return keys;
}

}  // namespace inkwright
