// The whole run in a scratch folder: a configuration and three source files from the input, with
// every output selected and every output name pinned inside out/ (the first value of a key wins,
// so the pinned keys come first).
#include <filesystem>

#include "driver/run.h"
#include "fuzzinput.h"

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
  return 0;
}
