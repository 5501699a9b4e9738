// The whole run in a scratch folder: a configuration and three source files from the input, with
// every output selected and every output name pinned inside out/ (the first value of a key wins,
// so the pinned keys come first). A second run over the same tree must leave every byte as the
// first left it, whether it finds a record of kept outputs or writes everything again.
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "filetree.h"
#include "fuzzinput.h"
#include "run/run.h"

namespace {

constexpr const char* kPinnedKeys =
    "[source path]\nsrc\n#\n"
    "[output path]\nout\\\n#\n"
    "[output format]\nHTMLHELP IMPORTFILE JAPBE USERLIB\n#\n"
    "[importfile]\nimport.pbi\n#\n"
    "[japbefile]\njapbe.txt\n#\n"
    "[userlibfile]\nuserlib.desc\n#\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace inkwright;
  layRunTree(kPinnedKeys, inputParts(data, size, 4));
  runInkwright("inkwright.cfg");
  const std::map<std::string, std::string> first = filesBelow("out");
  runInkwright("inkwright.cfg");
  if (filesBelow("out") != first) {
    std::abort();
  }
  return 0;
}
