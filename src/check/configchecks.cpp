#include "check/configchecks.h"

#include <algorithm>
#include <cstddef>
#include <unordered_map>
#include <unordered_set>

#include "config/keytable.h"
#include "config/options.h"
#include "run/outputs.h"
#include "scan/wildcard.h"
#include "text/platform.h"
#include "text/text.h"

namespace inkwright {

namespace {

// Levenshtein distance over folded bytes, one row at a time.
std::size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) {
    row[j] = j;
  }
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const std::size_t change = asciiLower(a[i - 1]) == asciiLower(b[j - 1]) ? 0 : 1;
      row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + change});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// The pairs of configList that key lines of the file made: all but the reserved first one.
class PairLines {
 public:
  explicit PairLines(const Configuration& config) : pairs_(config.settings().configList) {}

  std::size_t size() const { return pairs_.size() - 1; }
  const ConfigPair& pair(std::size_t k) const { return pairs_[k + 1]; }

  // The position of the first pair with this key; size() when there is none.
  std::size_t firstOf(std::string_view key) const {
    for (std::size_t k = 0; k < size(); ++k) {
      if (pair(k).key == key) {
        return k;
      }
    }
    return size();
  }

  // The line of value line `index` of pair k; the key line when the value has no such line.
  std::size_t valueLine(std::size_t k, std::size_t index) const {
    const std::vector<std::size_t>& values = pair(k).valueLines;
    return index < values.size() ? values[index] : pair(k).keyLine;
  }

 private:
  const std::vector<ConfigPair>& pairs_;
};

struct Checker {
  const ConfigCheckInput& input;
  const PairLines pairs;
  WarningList& warnings;

  void add(std::size_t line, std::string_view rule, std::string message) {
    warnings.push_back(Warning{input.path, line, rule, std::move(message)});
  }

  // Calls visit(line, lineNumber) for every line of the first value of key.
  template <class Visit>
  void forEachValueLine(std::string_view key, Visit&& visit) const {
    const std::size_t k = pairs.firstOf(key);
    if (k == pairs.size() || pairs.pair(k).value.empty()) {
      return;
    }
    std::size_t index = 0;
    forEachLine(pairs.pair(k).value,
                [&](std::string_view line) { visit(line, pairs.valueLine(k, index++)); });
  }
};

void checkKeys(Checker& checker) {
  std::unordered_map<std::string_view, std::size_t> firstLine;
  for (std::size_t k = 0; k < checker.pairs.size(); ++k) {
    const std::string& key = checker.pairs.pair(k).key;
    const std::size_t line = checker.pairs.pair(k).keyLine;
    if (!isKnownKey(key)) {
      checker.add(line, "config.unknown-key",
                  "key " + quoted(key) + " is not known; did you mean " +
                      quoted(closestKnownKey(key)) + "?");
      continue;
    }
    const auto [first, isNew] = firstLine.emplace(key, line);
    if (!isNew) {
      checker.add(line, "config.duplicate-key",
                  "the key " + quoted(key) + " was given on line " +
                      decimalText(static_cast<std::int32_t>(first->second)) +
                      " already; this value is never read");
    }
  }
}

// Only the first pair of a key is read, so only its value can lose a line feed that matters.
void checkTrailingLineFeeds(Checker& checker) {
  std::unordered_set<std::string_view> seen;
  for (std::size_t k = 0; k < checker.pairs.size(); ++k) {
    const ConfigPair& pair = checker.pairs.pair(k);
    if (!isKnownKey(pair.key) || !seen.insert(pair.key).second) {
      continue;
    }
    if (!pair.value.empty() && pair.value.back() == '\n') {
      checker.add(checker.pairs.pair(k).valueLines.back(), "config.trailing-line-feed",
                  "the value of " + quoted(pair.key) +
                      " ends in a line feed, since this empty line stands before the next key");
    }
  }
}

void checkOptions(Checker& checker) {
  checker.forEachValueLine("options", [&](std::string_view line, std::size_t number) {
    const std::string_view name = trimBlanksView(line);
    if (name.empty()) {
      return;
    }
    const auto switches = knownSwitches();
    const bool known = std::any_of(switches.begin(), switches.end(),
                                   [&](const Switch& s) { return s.name == name; });
    if (!known) {
      checker.add(number, "config.unknown-option",
                  "the [options] line " + quoted(name) + " names no switch; it changes nothing");
    }
  });
}

// The walk drops one trailing "\" from a source path before it lists it.
std::string walkRoot(std::string_view directory) {
  if (!directory.empty() && directory.back() == '\\') {
    directory.remove_suffix(1);
  }
  return std::string(directory);
}

void checkSourcePaths(Checker& checker) {
  const std::vector<std::string>& unlisted = checker.input.walk.unlistedDirectories;
  checker.forEachValueLine("source path", [&](std::string_view line, std::size_t number) {
    const std::string root = walkRoot(line);
    if (!root.empty() && std::find(unlisted.begin(), unlisted.end(), root) != unlisted.end()) {
      checker.add(number, "config.unlisted-source-path",
                  "the source path " + quoted(line) +
                      " does not exist or cannot be listed; nothing below it is read");
    }
  });
}

// The patterns asked about are never empty, so a matcher of its own sees what the run's saw.
template <class Names>
bool anyNameMatches(const Names& names, const std::string& pattern) {
  WildcardMatcher matcher;
  return std::any_of(names.begin(), names.end(),
                     [&](const std::string& name) { return matcher.matches(name, pattern); });
}

// An empty pattern repeats the one before it, so it is never reported on its own.
void checkNamePatterns(Checker& checker) {
  const WalkRecord& walk = checker.input.walk;
  checker.forEachValueLine("accept files", [&](std::string_view line, std::size_t number) {
    const std::string pattern(line);
    if (!pattern.empty() && !anyNameMatches(walk.testedFileNames, pattern)) {
      checker.add(number, "config.unmatched-pattern",
                  "the accept pattern " + quoted(pattern) + " matches no file");
    }
  });
  checker.forEachValueLine("ignore files", [&](std::string_view line, std::size_t number) {
    const std::string pattern(line);
    if (!pattern.empty() && !anyNameMatches(walk.testedNames, pattern)) {
      checker.add(number, "config.unmatched-pattern",
                  "the ignore pattern " + quoted(pattern) + " matches no file or folder");
    }
  });
}

// A marker set is named by the key line that first registered its pattern; the pattern is matched
// against the full paths of the files read, as the run chooses a file's markers.
void checkMarkerPatterns(Checker& checker) {
  std::unordered_set<std::string> seen;
  for (std::size_t k = 0; k < checker.pairs.size(); ++k) {
    const std::string& key = checker.pairs.pair(k).key;
    const std::string_view head = fieldView(key, 1, ':');
    if (key.find(':') == std::string::npos || !isMarkerKey(head)) {
      continue;
    }
    const std::string pattern(fieldView(key, 2, ':'));
    if (pattern.empty() || !seen.insert(pattern).second) {
      continue;
    }
    if (!anyNameMatches(checker.input.document.files, pattern)) {
      checker.add(checker.pairs.pair(k).keyLine, "config.unmatched-pattern",
                  "the marker pattern " + quoted(pattern) + " matches no file that is read");
    }
  }
}

// The words that select outputs, each once, in the order of the table of outputs: "A, B and C".
std::string formatWords() {
  std::vector<std::string_view> words;
  for (const OutputRow& row : outputTable()) {
    if (std::find(words.begin(), words.end(), row.formatWord) == words.end()) {
      words.push_back(row.formatWord);
    }
  }
  std::string text;
  for (std::size_t k = 0; k < words.size(); ++k) {
    text += k == 0 ? "" : (k + 1 == words.size() ? " and " : ", ");
    text += words[k];
  }
  return text;
}

void checkOutputs(Checker& checker) {
  const Configuration& config = checker.input.config;
  const std::size_t formatKey = checker.pairs.firstOf("output format");
  if (selectedOutputs(config).empty()) {
    checker.add(formatKey == checker.pairs.size() ? 0 : checker.pairs.pair(formatKey).keyLine,
                "config.no-output-selected",
                "the \"output format\" selects no output: it names none of " + formatWords());
    return;
  }
  const std::size_t pathKey = checker.pairs.firstOf("output path");
  if (pathKey == checker.pairs.size()) {
    return;
  }
  const std::string& directory = config.settings().outputPath;
  if (!directoryIdentity(directory.substr(0, directory.size() - 1))) {
    checker.add(checker.pairs.valueLine(pathKey, 0), "config.missing-output-path",
                "the output directory " + quoted(displayPath(directory)) +
                    " does not exist; no file is written");
  }
}

}  // namespace

std::string closestKnownKey(std::string_view key) {
  const std::size_t colon = key.find(':');
  const std::string_view name = colon == std::string_view::npos ? "" : key.substr(colon + 1);
  std::string best;
  std::size_t bestDistance = std::string::npos;
  for (const KnownKey& known : knownKeys()) {
    std::string candidate(known.key);
    if (known.isFamily) {
      candidate += name;
    }
    const std::size_t distance = editDistance(key, candidate);
    if (distance < bestDistance) {
      best = std::move(candidate);
      bestDistance = distance;
    }
  }
  return best;
}

void checkConfiguration(const ConfigCheckInput& input, WarningList& warnings) {
  Checker checker{input, PairLines(input.config), warnings};
  checkKeys(checker);
  checkTrailingLineFeeds(checker);
  checkOptions(checker);
  checkSourcePaths(checker);
  checkNamePatterns(checker);
  checkMarkerPatterns(checker);
  checkOutputs(checker);
}

}  // namespace inkwright
