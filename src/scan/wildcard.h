// The one pattern matcher: "*" and "?", anchored at both ends, case-sensitive.
#pragma once

#include <string>

namespace inkwright {

// True when name matches pattern. An empty pattern repeats the last non-empty pattern given by any
// caller (false while there was none); the matcher keeps that pattern compiled between calls.
bool wildcardMatch(const std::string& name, const std::string& pattern);

// Forgets the kept pattern: the matcher's state at start-up.
void resetWildcardMatcher();

}  // namespace inkwright
