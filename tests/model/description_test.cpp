#include "model/description.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
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
    EXPECT_EQ(c.description, entryDescription(entry, {}))
        << (c.tags.empty() ? "" : c.tags.back().tagValue);
  }
}

// "description item" lists PURPOSE, then FUNCTION; the entry is named vec_add.
TEST(EntryDescription, IsTheFirstLineOfThePreferredTagWhenTheEntryHoldsOne) {
  const struct {
    std::vector<TagPair> tags;
    std::optional<std::string_view> description;
  } cases[] = {
      {{{"NAME", "\nvec_add - from NAME"}, {"FUNCTION", "\n\n  \t\n\tAdds two vectors.  \nMore."}},
       "Adds two vectors."},
      {{{"FUNCTION", "\nfunction"}, {"PURPOSE", "\npurpose"}, {"PURPOSE", "\nsecond"}}, "purpose"},
      {{{"FUNCTION", "\nvec_add - adds"}}, "adds"},
      {{{"FUNCTION", "\n  vec_add --  adds"}}, "adds"},
      {{{"FUNCTION", "\nvec_sub - subtracts"}}, "vec_sub - subtracts"},
      {{{"FUNCTION", "\nvec_add-adds"}}, "vec_add-adds"},
      {{{"FUNCTION", "\n  \n"}, {"NAME", "\nvec_add - from NAME"}}, ""},
      {{{"NAME", "\nvec_add - from NAME"}, {"function", "\nlower case"}}, " from NAME"},
      {{{"SYNOPSIS", "\nvec_add()"}}, std::nullopt},
  };
  const std::vector<std::string> preferred = {"PURPOSE", "FUNCTION"};
  for (const auto& c : cases) {
    const DocEntry entry{"Vectors/vec_add", "vec_add", "Vectors", "Vectors", "v.c", "f", c.tags};
    EXPECT_EQ(c.description, entryDescription(entry, preferred)) << c.tags.back().tagValue;
  }
}

}  // namespace
}  // namespace inkwright
