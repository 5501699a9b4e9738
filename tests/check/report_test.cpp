#include "check/report.h"

#include <gtest/gtest.h>

#include <string>

namespace inkwright {
namespace {

const WarningList kWarnings = {
    {"src\\a.pb", 12, "block.no-name", "the block-start line gives no name"},
    {"out\\Old.html", 0, "output.stale-file", "stale"},
};

TEST(GnuReport, OneLinePerWarningAndNoLineNumberForAWholeFile) {
  EXPECT_EQ(
      "src/a.pb:12: warning: the block-start line gives no name [block.no-name]\n"
      "out/Old.html: warning: stale [output.stale-file]\n",
      gnuReport(kWarnings));
  EXPECT_EQ("", gnuReport({}));
}

TEST(JsonReport, OneObjectPerWarningWithNullForNoLine) {
  EXPECT_EQ(
      "[\n"
      "  {\n"
      "    \"category\": \"block\",\n"
      "    \"file\": \"src/a.pb\",\n"
      "    \"line\": 12,\n"
      "    \"message\": \"the block-start line gives no name\",\n"
      "    \"rule\": \"block.no-name\"\n"
      "  },\n"
      "  {\n"
      "    \"category\": \"output\",\n"
      "    \"file\": \"out/Old.html\",\n"
      "    \"line\": null,\n"
      "    \"message\": \"stale\",\n"
      "    \"rule\": \"output.stale-file\"\n"
      "  }\n"
      "]\n",
      jsonReport(kWarnings));
  EXPECT_EQ("[]\n", jsonReport({}));
}

// Names are bytes in the system's code page; JSON is UTF-8, so a byte that is not UTF-8 becomes
// U+FFFD instead of ending the report.
TEST(JsonReport, BytesThatAreNotUtf8BecomeReplacementCharacters) {
  const std::string report =
      jsonReport({{"src\\\xe9t\xe9.pb", 1, "name.unwritable", "the name \"\x80\" \"\\\""}});
  EXPECT_NE(std::string::npos, report.find("\"file\": \"src/\xef\xbf\xbdt\xef\xbf\xbd.pb\""));
  EXPECT_NE(std::string::npos, report.find("\"message\": \"the name \\\"\xef\xbf\xbd\\\" "
                                           "\\\"\\\\\\\"\""));
}

TEST(SarifReport, LocatesResultsByEncodedRelativeUris) {
  const std::string report = sarifReport({
      {"src\\my file#1.pb", 3, "block.no-name", "a"},
      {"C:\\docs\\a.pb", 0, "block.no-name", "b"},
  });
  EXPECT_NE(std::string::npos, report.find("\"uri\": \"src/my%20file%231.pb\""));
  EXPECT_NE(std::string::npos, report.find("\"uri\": \"file:///C:/docs/a.pb\""));
  EXPECT_NE(std::string::npos, report.find("\"startLine\": 3"));
  EXPECT_EQ(0u, report.find("{\n  \"$schema\": \"https://json.schemastore.org/sarif-2.1.0.json\""));
  EXPECT_NE(std::string::npos, report.find("\"version\": \"2.1.0\""));
}

TEST(SummaryLine, CountsEveryCategoryInRuleOrder) {
  EXPECT_EQ(
      "inkwright-check: 3 files read, 7 blocks, 6 entries, 8 pages; warnings: config 0, block 1, "
      "name 0, link 0, binding 0, output 1\n",
      summaryLine(RunCounts{3, 7, 6, 8}, kWarnings));
}

}  // namespace
}  // namespace inkwright
