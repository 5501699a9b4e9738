#include "helpproject/helpproject.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "model/document.h"
#include "tempdir.h"
#include "text/outputsink.h"

namespace inkwright {
namespace {

DocEntry entry(const std::string& headerPath, const std::string& name, const std::string& group) {
  return DocEntry{
      .headerPath = headerPath, .entryName = name, .groupName = group, .headerType = "f"};
}

constexpr const char* kContentsHead =
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\r\n<HTML>\r\n<HEAD>\r\n"
    "<meta name=\"GENERATOR\" content=\"pagesmith\">\r\n<!-- Sitemap 1.0 -->\r\n"
    "</HEAD><BODY>\r\n<UL>\r\n<LI> <OBJECT type=\"Text/sitemap\">\r\n"
    "<param name=\"name\" Value=\"index\">\r\n<param name=\"Local\" Value=\"masterindex.html\">\r\n"
    "</OBJECT>\r\n</UL>\r\n<OBJECT type=\"text/site properties\">\r\n"
    "<param name=\"ImageType\" value=\"Folder\">\r\n</OBJECT>\r\n<UL>\r\n";

class HelpProject : public testing::Test {
 protected:
  // The project file up to its file list, for the output folder + "LB" and the title.
  std::string options(const std::string& title) const {
    const std::string prefix = out.folder() + "LB";
    return "[OPTIONS]\r\nCompatibility=1.1 Or later\r\nCompiled file=" + prefix +
           ".chm\r\nContents file=" + prefix +
           ".hhc\r\nDefault topic=masterindex.html\r\nDisplay compile progress=No\r\nTitle=" +
           title + "\r\n;Index file=" + prefix +
           ".hhk\r\nLanguage=0x407 Deutsch (Deutschland)\r\n\r\n[FILES]\r\n";
  }

  Document document;
  TempDir out;
  FileSink files;
};

TEST_F(HelpProject, WithoutGroupsListsEveryPageButNoGroup) {
  document.entries = {entry("", "", ""), entry("Alone", "Alone", ""),
                      entry("A/B/Deep", "Deep", "")};
  helpProjectWriter(Configuration(Settings{}), document, out.folder(), "LB", {}, files);
  EXPECT_EQ(std::string(kContentsHead) + "</UL>\r\n</BODY></HTML>\r\n", out.read("LB.hhc"));
  EXPECT_EQ(options("") + "Alone.html\r\nDeep.html\r\n[INFOTYPES]\r\n", out.read("LB.hhp"));
}

// A group without a name is left out with its entries; the title keeps its blank and its bare
// line feed; the files of other outputs follow the pages, then the additional files, an empty line
// kept.
TEST_F(HelpProject, ListsGroupsEntriesAndAdditionalFiles) {
  document.entries = {entry("Core/#Begin", "#Begin", "Core"), entry("/Hidden", "Hidden", "")};
  document.groups = {"", "Core"};
  const Configuration config(Settings{.documentTitle = " My Lib\nsecond line",
                                      .additionalFiles = {"pics/logo.png", "", "style.css"}});
  helpProjectWriter(config, document, out.path().string(), "LB", {"style.css", "search.html"},
                    files);
  EXPECT_EQ(std::string(kContentsHead) +
                "<LI> <OBJECT type=\"text/sitemap\">\r\n<param name=\"name\" value=\"Core\">\r\n"
                "<param name=\"Local\" value=\"Core.html\">\r\n"
                "<param name=\"ImageNumber\" value=\"1\">\r\n</OBJECT>\r\n<UL>\r\n"
                "<LI> <OBJECT type=\"text/sitemap\">\r\n<param name=\"name\" value=\"#Begin\">\r\n"
                "<param name=\"Local\" value=\"#Begin.html\">\r\n</OBJECT>\r\n</UL>\r\n"
                "</UL>\r\n</BODY></HTML>\r\n",
            out.read("LB.hhc"));
  EXPECT_EQ(options(" My Lib\nsecond line") +
                "#Begin.html\r\nHidden.html\r\nstyle.css\r\nsearch.html\r\npics/logo.png\r\n\r\n"
                "style.css\r\n[INFOTYPES]\r\n",
            out.read("LB.hhp"));
}

// A portable project names its files by base name alone and lists each written file once: "#Name"
// as the Name.html it is written to, no page for a name holding a separator, the index pages, the
// files of other outputs, and the additional files without their empty lines. Names in the contents
// are escaped, and an item without a written page keeps its name but links nowhere.
TEST_F(HelpProject, PortableProjectListsWrittenFilesOnceAndLinksWrittenPagesOnly) {
  document.entries = {entry("Core/#Begin", "#Begin", "Core"), entry("Core/a&b", "a&b", "Core"),
                      entry("Core/#Begin", "#Begin", "Core"), entry("Core/x\\y", "x\\y", "Core"),
                      entry("Solo", "Solo", "")};
  document.groups = {"Core"};
  const Configuration config(Settings{
      .options =
          Options{.escapeHtml = true, .existingLinksOnly = true, .portableHelpProject = true},
      .documentTitle = "A & B",
      .additionalFiles = {"style.css", "", "Solo.html", "style.css"}});
  helpProjectWriter(config, document, out.folder(), "LB", {"style.css", "search.html"}, files);
  EXPECT_EQ(std::string(kContentsHead) +
                "<LI> <OBJECT type=\"text/sitemap\">\r\n<param name=\"name\" value=\"Core\">\r\n"
                "<param name=\"ImageNumber\" value=\"1\">\r\n</OBJECT>\r\n<UL>\r\n"
                "<LI> <OBJECT type=\"text/sitemap\">\r\n<param name=\"name\" value=\"#Begin\">\r\n"
                "<param name=\"Local\" value=\"Begin.html\">\r\n</OBJECT>\r\n"
                "<LI> <OBJECT type=\"text/sitemap\">\r\n<param name=\"name\" value=\"a&amp;b\">\r\n"
                "<param name=\"Local\" value=\"a%26b.html\">\r\n</OBJECT>\r\n"
                "<LI> <OBJECT type=\"text/sitemap\">\r\n<param name=\"name\" value=\"#Begin\">\r\n"
                "<param name=\"Local\" value=\"Begin.html\">\r\n</OBJECT>\r\n"
                "<LI> <OBJECT type=\"text/sitemap\">\r\n<param name=\"name\" value=\"x\\y\">\r\n"
                "</OBJECT>\r\n</UL>\r\n</UL>\r\n</BODY></HTML>\r\n",
            out.read("LB.hhc"));
  EXPECT_EQ(
      "[OPTIONS]\r\nCompatibility=1.1 Or later\r\nCompiled file=LB.chm\r\nContents file=LB.hhc\r\n"
      "Default topic=masterindex.html\r\nDisplay compile progress=No\r\nTitle=A & B\r\n"
      ";Index file=LB.hhk\r\nLanguage=0x407 Deutsch (Deutschland)\r\n\r\n[FILES]\r\n"
      "Begin.html\r\na&b.html\r\nSolo.html\r\nmasterindex.html\r\ntoc.html\r\nstyle.css\r\n"
      "search.html\r\n[INFOTYPES]\r\n",
      out.read("LB.hhp"));
}

}  // namespace
}  // namespace inkwright
