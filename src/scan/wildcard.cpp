#include "scan/wildcard.h"

#include <cstddef>

namespace inkwright {

namespace {

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

}  // namespace

void WildcardMatcher::compile(const std::string& pattern) {
  segments_.clear();
  std::string run;
  bool runHasLetter = false;  // a character other than "?" is in the run
  const auto closeRunWithStar = [&] {
    if (runHasLetter) {
      segments_.push_back(Segment{false, run});
    }
    segments_.push_back(Segment{true, {}});
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
      segments_.push_back(Segment{true, {}});
    } else if (segments_.empty()) {
      closeRunWithStar();
    } else if (pattern[at - 1] != '*' && runHasLetter) {
      closeRunWithStar();
    }
  }
  if (!run.empty()) {
    segments_.push_back(Segment{false, run});
  }
}

// No backtracking: a star binds to the leftmost place where the run after it fits, and a later
// misfit does not send the star looking further.
bool WildcardMatcher::matchesSegments(std::string_view name) const {
  std::size_t at = 0;
  for (std::size_t k = 0; k < segments_.size(); ++k) {
    const bool isLast = k + 1 == segments_.size();
    if (segments_[k].isStar) {
      if (isLast) {
        return true;
      }
      const std::string& next = segments_[k + 1].run;
      while (at < name.size() && !runFits(next, name, at)) {
        ++at;
      }
      continue;
    }
    const std::string& run = segments_[k].run;
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

// See note [kept pattern].
bool WildcardMatcher::matches(std::string_view name, const std::string& pattern) {
  if (pattern.empty()) {
    if (lastPattern_.empty()) {
      return false;
    }
  } else if (pattern != lastPattern_) {
    lastPattern_ = pattern;
    compile(pattern);
  }
  return matchesSegments(name);
}

}  // namespace inkwright
