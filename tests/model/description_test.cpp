#include "model/description.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <vector>

#include "model/document.h"

namespace inkwright {
namespace {

// Tag values as extraction stores them, each after a line feed. Each output trims or joins the
// result its own way; here it is given as the NAME tag holds it.
TEST(EntryDescription, IsTheSecondDashFieldOfTheLastNameTag) {
  const struct {
    std::vector<TagPair> tags;
    std::optional<std::string_view> description;
  } cases[] = {
      {{{"NAME", "\n  Begin - starts the engine"}}, " starts the engine"},
      {{{"NAME", "\nBegin -- starts"}}, ""},
      {{{"NAME", "\nBegin does things"}}, ""},
      {{{"NAME", "\nA - first"}, {"SYNOPSIS", "\nA()"}, {"NAME", "\nA - last - x"}}, " last "},
      {{{"NAME", "\nA - kept"}, {"NAME", "\nA"}}, ""},
      {{{"NAME", "\nWait - waits for the\n  given time  "}}, " waits for the\n  given time  "},
      {{{"NAME", "\nA-"}}, ""},
      {{{"SYNOPSIS", "\nx - y"}, {"name", "\nA - lower"}}, std::nullopt},
      {{}, std::nullopt},
  };
  for (const auto& c : cases) {
    const DocEntry entry{"G/A", "A", "G", "G", "a.pb", "f", c.tags};
    EXPECT_EQ(c.description, entryDescription(entry))
        << (c.tags.empty() ? "" : c.tags.back().tagValue);
  }
}

}  // namespace
}  // namespace inkwright
