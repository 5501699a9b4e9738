// The one pattern matcher: "*" and "?", anchored at both ends, case-sensitive.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace inkwright {

// note [kept pattern]
// The matcher remembers the last non-empty pattern it was given, by any caller, and an empty
// pattern repeats it. An empty line among the accept or ignore patterns, or a marker set
// registered with an empty pattern, therefore matches like whatever pattern was tried just before
// it. A run keeps one matcher from the walk of the sources to the choice of each file's markers,
// and every caller asks in a fixed order and stops at a fixed place, so that what an empty pattern
// repeats is the same on every run.
class WildcardMatcher {
 public:
  // True when name matches pattern. An empty pattern repeats the last non-empty pattern this
  // matcher was given (false while there was none); that pattern stays compiled between calls.
  bool matches(std::string_view name, const std::string& pattern);

 private:
  // A compiled pattern is a list of segments, each a star or a literal run in which "?" stands
  // for any one character. Stars and runs alternate: compilation never puts two of either side by
  // side.
  struct Segment {
    bool isStar = false;
    std::string run;
  };

  void compile(const std::string& pattern);
  bool matchesSegments(std::string_view name) const;

  std::string lastPattern_;
  std::vector<Segment> segments_;
};

}  // namespace inkwright
