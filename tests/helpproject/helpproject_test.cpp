#include "helpproject/helpproject.h"

#include <gtest/gtest.h>

#include "html/outputfolder.h"
#include "model/document.h"

namespace inkwright {
namespace {

DocEntry entry(const std::string& headerPath, const std::string& entryName,
               const std::string& groupName) {
  DocEntry result;
  result.headerPath = headerPath;
  result.entryName = entryName;
  result.groupName = groupName;
  return result;
}

constexpr const char* kContentsHead =
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\r\n"
    "<HTML>\r\n"
    "<HEAD>\r\n"
    "<meta name=\"GENERATOR\" content=\"pagesmith\">\r\n"
    "<!-- Sitemap 1.0 -->\r\n"
    "</HEAD><BODY>\r\n"
    "<UL>\r\n"
    "<LI> <OBJECT type=\"Text/sitemap\">\r\n"
    "<param name=\"name\" Value=\"index\">\r\n"
    "<param name=\"Local\" Value=\"masterindex.html\">\r\n"
    "</OBJECT>\r\n"
    "</UL>\r\n"
    "<OBJECT type=\"text/site properties\">\r\n"
    "<param name=\"ImageType\" value=\"Folder\">\r\n"
    "</OBJECT>\r\n"
    "<UL>\r\n";

class HelpProject : public testing::Test {
 protected:
  void SetUp() override { clearDocument(); }

  // The project file's options up to its title line, for output folder + "LB".
  std::string optionsUpToTitle() const {
    const std::string prefix = out.path() + "LB";
    return "[OPTIONS]\r\n"
           "Compatibility=1.1 Or later\r\n"
           "Compiled file=" +
           prefix +
           ".chm\r\n"
           "Contents file=" +
           prefix +
           ".hhc\r\n"
           "Default topic=masterindex.html\r\n"
           "Display compile progress=No\r\n"
           "Title=";
  }

  std::string indexFileLine() const { return ";Index file=" + out.path() + "LB.hhk\r\n"; }

  OutputFolder out;
};

TEST_F(HelpProject, WithoutGroupsListsEveryPageButNoGroup) {
  entryList = {entry("", "", ""), entry("Alone", "Alone", ""), entry("A/B/Deep", "Deep", "")};
  helpProjectWriter(out.path(), "LB");
  EXPECT_EQ(std::string(kContentsHead) + "</UL>\r\n</BODY></HTML>\r\n", out.read("LB.hhc"));
  EXPECT_EQ(optionsUpToTitle() + "\r\n" + indexFileLine() +
                "Language=0x407 Deutsch (Deutschland)\r\n"
                "\r\n"
                "[FILES]\r\n"
                "Alone.html\r\n"
                "Deep.html\r\n"
                "[INFOTYPES]\r\n",
            out.read("LB.hhp"));
}

TEST_F(HelpProject, ListsGroupsEntriesAndAdditionalFiles) {
  entryList = {entry("Core", "Core", ""), entry("Core/#Begin", "#Begin", "Core"),
               entry("/Hidden", "Hidden", ""), entry("Core/Stop", "Stop", "Core"),
               entry("Gui/Stop", "Stop", "Gui")};
  groupList = {"", "Core", "Gui"};
  configList = {{"document title", " My Lib\nsecond line"},
                {"additional files", "pics/logo.png\n\n   style.css  "}};
  helpProjectWriter(out.path(), "LB");
  EXPECT_EQ(std::string(kContentsHead) +
                "<LI> <OBJECT type=\"text/sitemap\">\r\n"
                "<param name=\"name\" value=\"Core\">\r\n"
                "<param name=\"Local\" value=\"Core.html\">\r\n"
                "<param name=\"ImageNumber\" value=\"1\">\r\n"
                "</OBJECT>\r\n"
                "<UL>\r\n"
                "<LI> <OBJECT type=\"text/sitemap\">\r\n"
                "<param name=\"name\" value=\"#Begin\">\r\n"
                "<param name=\"Local\" value=\"#Begin.html\">\r\n"
                "</OBJECT>\r\n"
                "<LI> <OBJECT type=\"text/sitemap\">\r\n"
                "<param name=\"name\" value=\"Stop\">\r\n"
                "<param name=\"Local\" value=\"Stop.html\">\r\n"
                "</OBJECT>\r\n"
                "</UL>\r\n"
                "<LI> <OBJECT type=\"text/sitemap\">\r\n"
                "<param name=\"name\" value=\"Gui\">\r\n"
                "<param name=\"Local\" value=\"Gui.html\">\r\n"
                "<param name=\"ImageNumber\" value=\"1\">\r\n"
                "</OBJECT>\r\n"
                "<UL>\r\n"
                "<LI> <OBJECT type=\"text/sitemap\">\r\n"
                "<param name=\"name\" value=\"Stop\">\r\n"
                "<param name=\"Local\" value=\"Stop.html\">\r\n"
                "</OBJECT>\r\n"
                "</UL>\r\n"
                "</UL>\r\n"
                "</BODY></HTML>\r\n",
            out.read("LB.hhc"));
  // The title keeps its blank and its bare line feed.
  EXPECT_EQ(optionsUpToTitle() + " My Lib\nsecond line\r\n" + indexFileLine() +
                "Language=0x407 Deutsch (Deutschland)\r\n"
                "\r\n"
                "[FILES]\r\n"
                "Core.html\r\n"
                "#Begin.html\r\n"
                "Hidden.html\r\n"
                "Stop.html\r\n"
                "Stop.html\r\n"
                "pics/logo.png\r\n"
                "\r\n"
                "style.css\r\n"
                "[INFOTYPES]\r\n",
            out.read("LB.hhp"));
}

TEST_F(HelpProject, AdditionalFilesOfBlanksOnlyAddNothing) {
  configList = {{"additional files", "   "}};
  helpProjectWriter(out.path(), "LB");
  EXPECT_NE(std::string::npos, out.read("LB.hhp").find("[FILES]\r\n[INFOTYPES]\r\n"));
}

TEST_F(HelpProject, AddsSeparatorToOutputDirectory) {
  std::string directory = out.path();
  directory.pop_back();
  helpProjectWriter(directory, "LB");
  EXPECT_EQ(optionsUpToTitle(), out.read("LB.hhp").substr(0, optionsUpToTitle().size()));
  EXPECT_EQ((std::set<std::string>{"LB.hhc", "LB.hhp"}), out.files());
}

}  // namespace
}  // namespace inkwright
