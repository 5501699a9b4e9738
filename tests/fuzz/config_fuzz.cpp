// The configuration reader and its derivation, on any file.
#include "config/configuration.h"
#include "config/settings.h"
#include "fuzzinput.h"
#include "model/document.h"
#include "scan/wildcard.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace inkwright;
  clearDocument();
  resetWildcardMatcher();
  const std::string path = writeScratchFile(
      "inkwright.cfg", std::string_view(reinterpret_cast<const char*>(data), size));
  readConfiguration(path);
  configValue("output path");
  templateText("page");
  return 0;
}
