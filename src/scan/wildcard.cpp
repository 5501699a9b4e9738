#include "scan/wildcard.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace inkwright {

namespace {

// A compiled pattern is a list of segments, each a star or a literal run in which "?" stands for
// any one character. Stars and runs alternate: compilation never puts two of either side by side.
struct Segment {
  bool isStar = false;
  std::string run;
};

// note [kept pattern]
// The matcher remembers the last non-empty pattern it was given, by any caller, and an empty
// pattern repeats it. An empty line among the accept or ignore patterns, or a marker set
// registered with an empty pattern, therefore matches like whatever pattern was tried just before
// it, which is why every caller asks in a fixed order and stops at a fixed place.
std::string lastPattern;
std::vector<Segment> patternSegments;

void compilePattern(const std::string& pattern) {
  patternSegments.clear();
  std::string run;
  bool runHasLetter = false;  // a character other than "?" is in the run
  const auto closeRunWithStar = [&] {
    if (runHasLetter) {
      patternSegments.push_back(Segment{false, run});
    }
    patternSegments.push_back(Segment{true, {}});
    run.clear();
    runHasLetter = false;
  };
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    const char c = pattern[at];
    if (c == '?') {
      // A "?" right after a star, or a second one at the very start, is dropped.
      if (at == 0 || runHasLetter) {
        run += c;
      }
    } else if (c != '*') {
      run += c;
      runHasLetter = true;
    } else if (at == 0) {
      patternSegments.push_back(Segment{true, {}});
    } else if (patternSegments.empty()) {
      closeRunWithStar();
    } else if (pattern[at - 1] != '*' && runHasLetter) {
      closeRunWithStar();
    }
  }
  if (!run.empty()) {
    patternSegments.push_back(Segment{false, run});
  }
}

bool runFits(std::string_view run, std::string_view name, std::size_t at) {
  if (run.size() > name.size() - at) {
    return false;
  }
  for (std::size_t k = 0; k < run.size(); ++k) {
    if (run[k] != '?' && run[k] != name[at + k]) {
      return false;
    }
  }
  return true;
}

// No backtracking: a star binds to the leftmost place where the run after it fits, and a later
// misfit does not send the star looking further.
bool matchSegments(std::string_view name) {
  std::size_t at = 0;
  for (std::size_t k = 0; k < patternSegments.size(); ++k) {
    const bool isLast = k + 1 == patternSegments.size();
    if (patternSegments[k].isStar) {
      if (isLast) {
        return true;
      }
      const std::string& next = patternSegments[k + 1].run;
      while (at < name.size() && !runFits(next, name, at)) {
        ++at;
      }
      continue;
    }
    const std::string& run = patternSegments[k].run;
    if (!runFits(run, name, at)) {
      return false;
    }
    at += run.size();
    if (isLast && at != name.size()) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool wildcardMatch(const std::string& name, const std::string& pattern) {
  if (pattern.empty()) {
    if (lastPattern.empty()) {
      return false;
    }
  } else if (pattern != lastPattern) {
    lastPattern = pattern;
    compilePattern(pattern);
  }
  return matchSegments(name);
}

void resetWildcardMatcher() {
  lastPattern.clear();
  patternSegments.clear();
}

}  // namespace inkwright
