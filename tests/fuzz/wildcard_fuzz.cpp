// The wildcard compiler and matcher: pairs of pattern and name, with the kept pattern carried
// from one pair to the next as the callers carry it.
#include "fuzzinput.h"
#include "scan/wildcard.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace inkwright;
  WildcardMatcher matcher;
  const std::vector<std::string> parts = inputParts(data, size, 6);
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    const bool first = matcher.matches(parts[i + 1], parts[i]);
    // A pattern compiled afresh and the same pattern kept from the call before must agree.
    if (!parts[i].empty() && matcher.matches(parts[i + 1], parts[i]) != first) {
      __builtin_trap();
    }
  }
  return 0;
}
