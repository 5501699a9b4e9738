// Times the automatic links on their own: compiling a list of generated entry names, and linking
// pages of prose that name other entries, the way bench/generate.py writes them.
// Usage: autolinks_bench NAMES PAGES ROUNDS [BLANK_NAMES]
// Prints the best of ROUNDS for each, and a digest of the linked pages, which must be the same for
// every engine given the same arguments. BLANK_NAMES of the names (none by default) get a blank
// after their verb ("lbPlay Sound"). The word links are timed on the same pages in a second line.
// Built by the INKWRIGHT_BENCH option; bench/autolinks.sh builds and compares engines.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "html/links/autolinks.h"
#include "html/links/wordlinks.h"

namespace {

using inkwright::AutoLink;
using inkwright::AutoLinker;

const std::vector<std::string> kVerbs = {"Get",    "Set",  "Create", "Free",  "Load",  "Save",
                                         "Draw",   "Play", "Stop",   "Open",  "Close", "Add",
                                         "Remove", "Find", "Update", "Reset", "Start", "Pause",
                                         "Resume", "Copy", "Clear"};
const std::vector<std::string> kNouns = {
    "Window", "Sprite", "Sound",  "Texture", "Mesh",    "Camera",   "Light",
    "Shader", "Font",   "Image",  "Buffer",  "Timer",   "Event",    "Joint",
    "Body",   "Scene",  "Node",   "Path",    "Stream",  "Gadget",   "Menu",
    "Socket", "File",   "Thread", "Screen",  "Channel", "Particle", "Layer"};
const std::vector<std::string> kParts = {
    "",      "Title",  "Size", "Position", "Color", "Mode",   "Data",  "State", "Flags", "Count",
    "Width", "Height", "Name", "Handle",   "Speed", "Volume", "Alpha", "Angle", "Scale"};
const std::vector<std::string> kWords = {
    "the",      "a",        "of",        "to",      "and",     "in",       "is",        "it",
    "that",     "for",      "on",        "with",    "as",      "be",       "by",        "this",
    "are",      "from",     "at",        "or",      "an",      "which",    "when",      "value",
    "window",   "engine",   "call",      "returns", "zero",    "non-zero", "handle",    "object",
    "before",   "after",    "every",     "each",    "created", "freed",    "pixels",    "seconds",
    "flag",     "given",    "current",   "new",     "old",     "default",  "parameter", "result",
    "error",    "function", "procedure", "library", "list",    "first",    "last",      "next",
    "previous", "may",      "must",      "should",  "will",    "only",     "also",      "other",
    "than",     "more",     "less",      "both",    "either",  "none",     "some",      "all",
    "any",      "such",     "same"};

// The same numbers from every standard library, unlike std::uniform_int_distribution.
class Random {
 public:
  std::size_t below(std::size_t bound) { return engine_() % bound; }
  const std::string& pick(const std::vector<std::string>& list) { return list[below(list.size())]; }

 private:
  std::mt19937 engine_{20240607};
};

// Unique names, a serial number making each repeated one unique, as in bench/generate.py.
// The first blankNames of them hold a blank.
std::vector<std::string> entryNames(std::size_t count, std::size_t blankNames, Random& random) {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;
  int serial = 0;
  while (names.size() < count) {
    std::string name = "lb" + random.pick(kVerbs) + (names.size() < blankNames ? " " : "") +
                       random.pick(kNouns) + random.pick(kParts);
    if (seen.contains(name)) {
      name += std::to_string(++serial);
    }
    seen.insert(name);
    names.push_back(std::move(name));
  }
  return names;
}

std::string prose(Random& random, const std::vector<std::string>& names, int lines) {
  std::string text;
  for (int line = 0; line < lines; ++line) {
    std::string words;
    while (words.size() < 68) {
      words += ' ';
      words += random.below(100) < 8 ? random.pick(names) : random.pick(kWords);
    }
    text += "<br />" + words.substr(1);
  }
  return text;
}

std::string tag(const std::string& name, const std::string& value) {
  return "<div class=\"tag-" + name + "\"><h2>" + name + "</h2><p>" + value + "</p></div>";
}

// A page as the page template leaves it before its links: every tag filled in.
std::string page(Random& random, const std::string& name, const std::vector<std::string>& names) {
  const std::string group = "Module" + std::to_string(random.below(1000));
  std::string text = "<html><head><title>" + name + " - " + group +
                     "</title><link rel=\"stylesheet\" href=\"style.css\"></head><body><p><a "
                     "href=\"masterindex.html\">Index</a> | <a href=\"toc.html\">Contents</a> | " +
                     group + "</p><h1>" + name + "</h1>";
  text += tag("NAME", name + " - " + prose(random, kWords, 1));
  text += tag("SYNOPSIS", "result = " + name + "(x.l, y.s, flags.i)");
  text += tag("FUNCTION", prose(random, names, 24));
  text += tag("RESULT", "Non-zero when " + name + " succeeds.");
  text += tag("NOTES", prose(random, names, 4));
  text += tag("EXAMPLE", "If " + name + "(0, 0, 0)<br />  " + random.pick(names) + "()<br />EndIf");
  std::string seeAlso = random.pick(names);
  for (int i = 0; i < 3; ++i) {
    seeAlso += ", " + random.pick(names);
  }
  text += tag("SEE ALSO", seeAlso);
  return text + "<hr><p class=\"footer\">Generated Library - reference</p></body></html>";
}

// Processor time rather than wall time, so that other programs on the machine count less.
double secondsSince(std::clock_t start) {
  return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

std::uint64_t digestOf(const std::vector<std::string>& texts) {
  std::uint64_t digest = 14695981039346656037ULL;
  for (const std::string& text : texts) {
    for (const unsigned char byte : text) {
      digest = (digest ^ byte) * 1099511628211ULL;
    }
  }
  return digest;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: autolinks_bench NAMES PAGES ROUNDS [BLANK_NAMES]\n");
    return 2;
  }
  const std::size_t nameCount = std::strtoul(argv[1], nullptr, 10);
  const std::size_t pageCount = std::strtoul(argv[2], nullptr, 10);
  const int rounds = std::atoi(argv[3]);
  const std::size_t blankNames = argc == 5 ? std::strtoul(argv[4], nullptr, 10) : 0;
  Random random;
  const std::vector<std::string> names = entryNames(nameCount, blankNames, random);
  std::vector<AutoLink> links;
  for (const std::string& name : names) {
    links.push_back(inkwright::autoLinkFor(name));
  }
  std::sort(links.begin(), links.end(),
            [](const AutoLink& a, const AutoLink& b) { return a.searchText > b.searchText; });
  std::vector<std::string> pages;
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < pageCount; ++i) {
    pages.push_back(page(random, random.pick(names), names));
    bytes += pages.back().size();
  }

  const auto timed = [&](const char* label, const auto& makeLinker) {
    double bestBuild = 1e9;
    double bestLink = 1e9;
    std::vector<std::string> linked(pages.size());
    for (int round = 0; round < rounds; ++round) {
      std::clock_t start = std::clock();
      const auto linker = makeLinker();
      bestBuild = std::min(bestBuild, secondsSince(start));
      start = std::clock();
      for (std::size_t i = 0; i < pages.size(); ++i) {
        linked[i] = linker.applyTo(pages[i]);
      }
      bestLink = std::min(bestLink, secondsSince(start));
    }
    std::printf(
        "%zu names%s: build %.2f ms; %zu pages, %.1f MB: link %.1f ms, %.0f MB/s; digest %016llx\n",
        nameCount, label, bestBuild * 1e3, pageCount, bytes / 1e6, bestLink * 1e3,
        bytes / 1e6 / bestLink, static_cast<unsigned long long>(digestOf(linked)));
  };
  timed("", [&] { return AutoLinker(links); });
  std::vector<inkwright::WordLink> wordLinks;
  for (const std::string& name : names) {
    wordLinks.push_back(
        inkwright::WordLink{name, "<a href=\"" + name + ".html\">" + name + "</a>"});
  }
  timed(" (word links)", [&] { return inkwright::WordLinker(wordLinks); });
}
