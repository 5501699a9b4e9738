// The check program's whole pass on a tree from the input, with every output selected and a stale
// file in out/: the tree is read once, the writers write it into memory and the check program
// checks the same Document (agreement.h). The two must agree on the files, the links, the pages
// two entries share and the names that differ only in case; the check must write nothing, and its
// JSON and SARIF reports must parse as JSON whatever bytes the names and lines hold.
#include <filesystem>
#include <iterator>
#include <nlohmann/json.hpp>

#include "../agreement.h"
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
  const CheckedRun run = checkAgainstWriters("inkwright.cfg");
  if (!run.disagreements.empty()) {
    __builtin_trap();
  }
  for (const ReportFormat format : {ReportFormat::json, ReportFormat::sarif}) {
    if (!nlohmann::json::accept(reportIn(format, run.check.warnings))) {
      __builtin_trap();
    }
  }
  gnuReport(run.check.warnings);
  namespace fs = std::filesystem;
  if (std::distance(fs::directory_iterator(scratchFolder() / "out"), fs::directory_iterator()) !=
      1) {
    __builtin_trap();
  }
  return 0;
}
