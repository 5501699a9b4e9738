#include "text/commandline.h"

namespace inkwright {

std::vector<std::string> splitCommandLine(std::string_view commandLine) {
  std::vector<std::string> words;
  std::size_t at = 0;
  const std::size_t size = commandLine.size();
  while (at < size) {
    if (commandLine[at] == ' ') {
      ++at;
      continue;
    }
    std::size_t end;
    if (commandLine[at] == '"') {
      ++at;
      end = commandLine.find('"', at);
      if (end == std::string_view::npos) {
        end = size;
      }
      words.emplace_back(commandLine.substr(at, end - at));
      at = end + 1;
    } else {
      end = commandLine.find(' ', at);
      if (end == std::string_view::npos) {
        end = size;
      }
      words.emplace_back(commandLine.substr(at, end - at));
      at = end;
    }
  }
  if (!words.empty()) {
    words.erase(words.begin());
  }
  return words;
}

}  // namespace inkwright
