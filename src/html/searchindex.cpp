#include "html/searchindex.h"

namespace inkwright {

std::string searchIndexScript(const Document&, const PageLinks&, const std::vector<std::string>&,
                              Charset) {
  return "var inkwrightIndex = [];\n";
}

}  // namespace inkwright
