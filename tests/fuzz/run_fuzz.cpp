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
  namespace fs = std::filesystem;
  const fs::path& folder = scratchFolder();
  fs::remove_all(folder / "src");
  fs::remove_all(folder / "out");
  fs::create_directories(folder / "out");
  const std::vector<std::string> parts = inputParts(data, size, 4);
  writeScratchFile("inkwright.cfg", kPinnedKeys + parts[0]);
  writeScratchFile("src/a.pb", parts[1]);
  writeScratchFile("src/sub/b.pbi", parts[2]);
  writeScratchFile("src/c.txt", parts[3]);
  fs::current_path(folder);
  runInkwright("inkwright.cfg");
  return 0;
}
