// The record of kept outputs, read from any bytes: a text is a record only when it is exactly what
// the record's writer would write for it, so that a damaged record can never be mistaken for
// another one.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "keep/record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace inkwright;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const std::optional<OutputRecord> record = parseRecord(text)) {
    if (recordText(*record) != text) {
      std::abort();
    }
  }
  return 0;
}
