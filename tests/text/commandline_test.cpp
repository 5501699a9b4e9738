#include "text/commandline.h"

#include <gtest/gtest.h>

namespace inkwright {
namespace {

using Words = std::vector<std::string>;

// Spaces separate, tabs do not; a quoted parameter keeps its spaces, loses its quotes and may run
// to the end. The program's own path, quoted or not, is not counted.
TEST(SplitCommandLine, SplitsParametersAfterTheProgramPath) {
  EXPECT_EQ(Words{}, splitCommandLine(""));
  EXPECT_EQ(Words{}, splitCommandLine("inkwright.exe"));
  EXPECT_EQ(Words{}, splitCommandLine("\"C:\\Program Files\\inkwright.exe\"   "));
  EXPECT_EQ(Words{"docs.cfg"}, splitCommandLine("inkwright.exe docs.cfg"));
  EXPECT_EQ(Words{"docs.cfg"}, splitCommandLine("\"C:\\Program Files\\ink.exe\"  docs.cfg  "));
  EXPECT_EQ((Words{"a", "b"}), splitCommandLine("ink  a   b"));
  EXPECT_EQ(Words{"my docs\\run.cfg"}, splitCommandLine("ink \"my docs\\run.cfg\""));
  EXPECT_EQ(Words{"open ended"}, splitCommandLine("ink \"open ended"));
  EXPECT_EQ(Words{""}, splitCommandLine("ink \"\""));
  EXPECT_EQ(Words{"a\tb"}, splitCommandLine("ink a\tb"));
}

}  // namespace
}  // namespace inkwright
