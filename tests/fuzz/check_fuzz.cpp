// The check program's whole pass in a scratch folder: a configuration and three source files from
// the input, with every output selected, and a stale file in out/. The check must write nothing,
// and its JSON and SARIF reports must parse as JSON whatever bytes the names and lines hold.
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>

#include "check/checkrun.h"
#include "check/report.h"
#include "fuzzinput.h"

namespace {

constexpr const char* kPinnedKeys =
    "[source path]\nsrc\n#\n"
    "[output path]\nout\\\n#\n"
    "[output format]\nHTMLHELP IMPORTFILE JAPBE USERLIB\n#\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace inkwright;
  layRunTree(kPinnedKeys, inputParts(data, size, 4));
  writeScratchFile("out/stale.html", "");
  const std::optional<CheckResult> result = checkRun("inkwright.cfg");
  if (!result) {
    __builtin_trap();
  }
  for (const ReportFormat format : {ReportFormat::json, ReportFormat::sarif}) {
    if (!nlohmann::json::accept(reportIn(format, result->warnings))) {
      __builtin_trap();
    }
  }
  gnuReport(result->warnings);
  namespace fs = std::filesystem;
  if (std::distance(fs::directory_iterator(scratchFolder() / "out"), fs::directory_iterator()) !=
      1) {
    __builtin_trap();
  }
  return 0;
}
