#include "html/pagenames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/document.h"

namespace inkwright {
namespace {

std::string repeated(const std::string& text, int count) {
  std::string result;
  for (int i = 0; i < count; ++i) {
    result += text;
  }
  return result;
}

// The digests were written down from `xxhsum -H0` over the whole name, so that the names a run
// gives can be checked by hand.
TEST(SafePageName, KeepsPortableBytesCutsLongNamesAndAvoidsDevices) {
  const struct {
    std::string name;
    std::string safe;
  } cases[] = {
      {"Init", "Init"},
      {"v1.2_beta-3", "v1.2_beta-3"},
      {"a - b", "a---b"},
      {"#Flags", "Flags"},
      {"OpenSM:", "OpenSM"},
      {"a::b**c%20d", "a-b-c-20d"},
      {"a/b\\c", "a-b-c"},
      {"\tx\x01y\x7F", "x-y"},
      {"caf\xC3\xA9 au lait", "caf-au-lait"},
      {"..hidden.", "hidden"},
      {"-.-x-.-", "x"},
      {"", "page"},
      {"***", "page"},
      {"\xC3\xA9", "page"},
      {".", "page"},
      // Windows devices, with any extension and in any case; the stem is what precedes the first
      // ".", and counts once the name is made safe.
      {"nul.txt", "nul_.txt"},
      {"CON", "CON_"},
      {"com1.h", "com1_.h"},
      {"Lpt9", "Lpt9_"},
      {"aux.a.b", "aux_.a.b"},
      {"::con", "con_"},
      {"COM10", "COM10"},
      {"COM", "COM"},
      {"CONSOLE", "CONSOLE"},
      {"prn_x", "prn_x"},
      {"x.con", "x.con"},
      // Long names: the safe name, not the source name, is cut at 100 bytes, and the digest is of
      // the source name, so that names sharing their first 100 bytes stay apart.
      {std::string(100, 'y'), std::string(100, 'y')},
      {"::" + std::string(100, 'z'), std::string(100, 'z')},
      {std::string(101, 'y'), std::string(100, 'y') + "-257ece47"},
      {std::string(300, 'x'), std::string(100, 'x') + "-7d4c4392"},
      {repeated("ab:", 100), repeated("ab-", 33) + "a-19e499f7"},
      {std::string(99, 'a') + ":" + std::string(200, 'b'), std::string(99, 'a') + "-32278613"},
      {std::string(98, 'a') + ".-" + std::string(200, 'c'), std::string(98, 'a') + "-9773ab6c"},
      {"CON." + std::string(200, 'x'), "CON_." + std::string(96, 'x') + "-42785755"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.safe, safePageName(c.name)) << c.name;
  }
}

struct Place {
  std::string name;
  std::string section;
  std::string file;
  std::size_t line;
  bool isHeader;
};

Document documentOf(const std::vector<Place>& places) {
  Document document;
  for (const Place& place : places) {
    document.entries.push_back(DocEntry{.entryName = place.name,
                                        .sectionName = place.section,
                                        .sourceFile = place.file,
                                        .headerType = place.isHeader ? "h" : "f",
                                        .sourceLine = place.line});
  }
  return document;
}

Document documentOf(const std::vector<std::string>& names) {
  std::vector<Place> places;
  for (std::size_t i = 0; i < names.size(); ++i) {
    places.push_back(Place{names[i], "Lib", "a.pb", 10 * i + 1, false});
  }
  return documentOf(places);
}

std::vector<std::string> filesOf(const PageNames& names, std::size_t count) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < count; ++i) {
    files.push_back(names.fileOf(i));
  }
  return files;
}

// Names that meet once made safe, or that differ only in case, are told apart in the order of the
// entries' names, whatever the order of the list; a name that is its own keeps it, so a number is
// skipped where an entry really has it, and the index files count as taken.
TEST(PageNames, SafeNamesThatMeetIgnoringCaseAreToldApartInTheOrderOfTheNames) {
  const struct {
    std::vector<std::string> names;
    std::vector<std::string> files;
  } cases[] = {
      {{"toc", "masterindex", "search", "Search"},
       {"toc-2.html", "masterindex-2.html", "search-3.html", "Search-2.html"}},
      {{"a:b", "a-b", "a-b-2"}, {"a-b-3.html", "a-b.html", "a-b-2.html"}},
      {{"Foo", "foo"}, {"Foo.html", "foo-2.html"}},
      {{"foo", "Foo"}, {"foo-2.html", "Foo.html"}},
      {{"x:y", "x*y", "x y"}, {"x-y-3.html", "x-y-2.html", "x-y.html"}},
      {{"Flags", "#Flags"}, {"Flags-2.html", "Flags.html"}},
      {{"con", "CON"}, {"con_-2.html", "CON_.html"}},
      {{"page", ""}, {"page-2.html", "page.html"}},
      // Entries of one name still share their page.
      {{"Init", "init", "Init"}, {"Init.html", "init-2.html", "Init.html"}},
  };
  for (const auto& c : cases) {
    const Document document = documentOf(c.names);
    const PageNames names(Options{.safePageNames = true}, document);
    EXPECT_FALSE(names.isOriginal());
    EXPECT_EQ(c.files, filesOf(names, c.names.size())) << c.names.front();
    for (std::size_t i = 0; i < c.names.size(); ++i) {
      EXPECT_EQ(c.files[i], names.targetOf(c.names[i], "Lib")) << c.names[i];
    }
  }
}

// Among entries of one name: the section header entry keeps the plain name, else the first by
// section, then place; each other is named after its section, those of one section told apart by
// place. An entry really named "Tests-smooth" keeps its name against one made from a section, and
// under "safe page names" also against one that differs only in case. Links to the name lead to
// the first entry by place of the page's own section, else to the one that kept the name.
TEST(PageNames, OnePagePerEntryNamesTheOthersAfterTheirSectionAndLinksWithinASection) {
  const std::vector<Place> places = {
      {"smooth", "Tests", "a.pb", 10, false},      {"smooth", "Lib", "b.pb", 5, false},
      {"smooth", "Zeta", "c.pb", 1, true},         {"smooth", "Tests", "a.pb", 2, false},
      {"Tests-smooth", "Other", "d.pb", 1, false}, {"Lone", "Tests", "d.pb", 9, false},
      {"smooth", "Tests", "a.pb", 30, false},
  };
  const std::vector<std::string> files = {"Tests-smooth-3.html", "Lib-smooth.html",   "smooth.html",
                                          "Tests-smooth-2.html", "Tests-smooth.html", "Lone.html",
                                          "Tests-smooth-4.html"};
  const std::vector<bool> shared = {true, true, true, true, false, false, true};
  const struct {
    std::string section;
    std::string smoothTarget;
  } targets[] = {
      {"Tests", "Tests-smooth-2.html"}, {"Lib", "Lib-smooth.html"}, {"Zeta", "smooth.html"},
      {"Other", "smooth.html"},         {"", "smooth.html"},
  };
  for (const bool safe : {false, true}) {
    const Document document = documentOf(places);
    const PageNames names(Options{.safePageNames = safe, .onePagePerEntry = true}, document);
    EXPECT_EQ(files, filesOf(names, places.size())) << "safe " << safe;
    for (std::size_t i = 0; i < places.size(); ++i) {
      EXPECT_EQ(shared[i], names.isShared(i)) << i;
    }
    for (const auto& target : targets) {
      EXPECT_EQ(target.smoothTarget, names.targetOf("smooth", target.section)) << target.section;
      EXPECT_EQ("Tests-smooth.html", names.targetOf("Tests-smooth", target.section));
      EXPECT_EQ("", names.targetOf("Nobody", target.section));
    }
    using Targets = std::vector<std::pair<std::string_view, std::string_view>>;
    EXPECT_EQ((Targets{{"smooth", "Tests-smooth-2.html"}}), names.sectionTargets("Tests"));
    EXPECT_EQ(Targets{}, names.sectionTargets("Zeta"));
    EXPECT_EQ(Targets{}, names.sectionTargets("Other"));
  }

  // Without the header entry, the first section keeps the name.
  std::vector<Place> headless = places;
  headless.erase(headless.begin() + 2);
  const Document document = documentOf(headless);
  const PageNames names(Options{.onePagePerEntry = true}, document);
  EXPECT_EQ("smooth.html", names.fileOf(1));
  EXPECT_EQ("smooth.html", names.targetOf("smooth", "Zeta"));
  EXPECT_EQ("Tests-smooth-2.html", names.targetOf("smooth", "Tests"));

  // The real entry in another case: only safe names meet ignoring case.
  for (const bool safe : {false, true}) {
    const Document twins = documentOf({{"smooth", "Lib", "a.pb", 1, false},
                                       {"smooth", "Tests", "a.pb", 2, false},
                                       {"tests-smooth", "Other", "a.pb", 3, false}});
    const PageNames twinNames(Options{.safePageNames = safe, .onePagePerEntry = true}, twins);
    EXPECT_EQ(
        (std::vector<std::string>{"smooth.html", safe ? "Tests-smooth-2.html" : "Tests-smooth.html",
                                  "tests-smooth.html"}),
        filesOf(twinNames, 3))
        << "safe " << safe;
  }
}

// As the original format names pages: the name without a leading "#", entries of one name on one
// page, and no page at all where the name holds a separator or, ".html" included, passes 255
// bytes. One page per entry names the pages of names that no other entry has the same way.
TEST(PageNames, WithoutSafeNamesAPageIsTheNameWithoutHashWhereAFileCanHoldIt) {
  const struct {
    std::string name;
    std::string file;
  } cases[] = {
      {"Init", "Init.html"},
      {"#Flags", "Flags.html"},
      {"OpenSM:", "OpenSM:.html"},
      {"a b%20", "a b%20.html"},
      {"a/b", ""},
      {"c\\d", ""},
      {std::string(250, 'n'), std::string(250, 'n') + ".html"},
      {"#" + std::string(250, 'h'), std::string(250, 'h') + ".html"},
      {std::string(251, 'n'), ""},
  };
  std::vector<std::string> names;
  std::vector<std::string> files;
  for (const auto& c : cases) {
    names.push_back(c.name);
    files.push_back(c.file);
  }
  const Document document = documentOf(names);
  const PageNames original(Options{}, document);
  EXPECT_TRUE(original.isOriginal());
  EXPECT_EQ(files, filesOf(original, names.size()));
  const PageNames onePerEntry(Options{.onePagePerEntry = true}, document);
  EXPECT_FALSE(onePerEntry.isOriginal());
  EXPECT_EQ(files, filesOf(onePerEntry, names.size()));

  const PageNames shared(Options{}, documentOf({"Init", "#Init", "Init"}));
  EXPECT_EQ((std::vector<std::string>{"Init.html", "Init.html", "Init.html"}), filesOf(shared, 3));
}

}  // namespace
}  // namespace inkwright
