#include "config/options.h"

#include <gtest/gtest.h>

#include <string>

namespace inkwright {
namespace {

// The switches that options turns on, by name, in table order.
std::string switchesOn(const Options& options) {
  std::string on;
  for (const Switch& known : knownSwitches()) {
    if (options.*known.flag) {
      on += (on.empty() ? "" : ",") + std::string(known.name);
    }
  }
  return on;
}

// A switch turns on its own flag and no other, whatever blanks stand around its line.
TEST(Options, EachSwitchTurnsOnItsOwnFlagAlone) {
  std::string all;
  std::string lines;
  for (const Switch& known : knownSwitches()) {
    const std::string name(known.name);
    EXPECT_EQ(name, switchesOn(optionsFrom("  " + name + "  "))) << name;
    all += (all.empty() ? "" : ",") + name;
    lines += name + "\n";
  }
  EXPECT_EQ(all, switchesOn(optionsFrom(lines)));
}

TEST(Options, LinesMatchExactlyAfterTrimming) {
  for (const std::string value : {"", "\n\n", "Escape HTML", "escape  html", "escape html x",
                                  "\"escape html\"", "escapehtml", "\tescape html"}) {
    EXPECT_EQ("", switchesOn(optionsFrom(value))) << value;
  }
  EXPECT_EQ("escape html,keep unchanged files",
            switchesOn(optionsFrom("nonsense\n escape html \nkeep unchanged files")));
}

}  // namespace
}  // namespace inkwright
