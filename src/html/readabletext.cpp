#include "html/readabletext.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "html/pagelinks.h"
#include "text/text.h"

namespace inkwright {

// note [readable text]
// Authors write tag text as they write a plain-text README, and a browser joins all of it into one
// run of words. Under "readable text" the lines of a plain item are read as blocks, each line
// classed in this order:
// 1. a "[TAB]" ... "[/TAB]" run is a table of its own, its rows written as they always were;
// 2. an empty line (blanks and tabs only) ends the paragraph or example before it;
// 3. "* ", "- ", "+ ", "N. " or "N) " after the indentation starts a list item;
// 4. a line indented at least to where its item's text starts continues that item;
// 5. a line indented two columns or more deeper than the tag's least indentation is an example,
//    kept in a <pre> as it stands, less the indentation its lines share;
// 6. any other line starts or continues a paragraph, its lines joined by one blank.
// An item deeper than the one before opens a list inside it; a list holds items of one kind,
// bullets or numbers (an <ol> keeps its first number); an empty line between two items keeps the
// list open, and a line at the list's indentation that is no item ends it. Columns count from 0
// after the line-start marker, and a tab moves to the next multiple of 8.
// For example, with base indentation 2:
//   "  Filters the data."             <p>Filters the data.</p>
//   "  1.  flt names a filter"        <ol><li>flt names a filter or a struct.</li>
//   "      or a struct."
//   "  3) levels - an integer"        <li><code>levels</code> - an integer</li></ol>
//   "      x = filter(a)"             <pre>x = filter(a)</pre>
// ("3)" continues the list of "1.": numbers after the first are not read.)

namespace {

constexpr std::size_t kTabWidth = 8;
constexpr std::size_t kMostDigits = 9;
constexpr std::size_t kNone = std::string_view::npos;

std::size_t nextColumn(std::size_t column, char c) {
  return c == '\t' ? (column / kTabWidth + 1) * kTabWidth : column + 1;
}

bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Where the text of a line begins: its first byte that is no blank or tab (the line's length when
// there is none), and that byte's column.
struct Indentation {
  std::size_t byte = 0;
  std::size_t column = 0;
};

Indentation indentationAt(std::string_view line) {
  Indentation indentation;
  // Most lines are indented with blanks alone, a column each.
  while (indentation.byte < line.size() && line[indentation.byte] == ' ') {
    ++indentation.byte;
  }
  indentation.column = indentation.byte;
  while (indentation.byte < line.size() && isBlankOrTab(line[indentation.byte])) {
    indentation.column = nextColumn(indentation.column, line[indentation.byte++]);
  }
  return indentation;
}

enum class ListKind { bullets, numbers };

// A line that starts a list item: its marker's column, the column and byte where its text begins.
struct ItemStart {
  ListKind kind = ListKind::bullets;
  std::size_t indent = 0;
  std::size_t textColumn = 0;
  std::size_t textByte = 0;
  std::int64_t number = 0;
};

// Whether a line whose text begins with c may start a list item: most lines are told at once.
bool mayStartItem(char c) { return c == '*' || c == '-' || c == '+' || isDigit(c); }

// Whether the line, indented as given, starts a list item; if so, item tells how.
bool itemStartOf(std::string_view line, Indentation indentation, ItemStart& item) {
  std::size_t at = indentation.byte;
  std::size_t column = indentation.column;
  const char first = at < line.size() ? line[at] : '\0';
  if ((first == '*' || first == '-' || first == '+') && at + 1 < line.size() &&
      line[at + 1] == ' ') {
    item.kind = ListKind::bullets;
    at += 2;
    column += 2;
  } else if (!isDigit(first)) {
    return false;
  } else {
    std::size_t digits = 0;
    std::int64_t number = 0;
    while (at + digits < line.size() && isDigit(line[at + digits]) && digits <= kMostDigits) {
      number = number * 10 + (line[at + digits] - '0');
      ++digits;
    }
    const std::size_t after = at + digits;
    if (digits == 0 || digits > kMostDigits || after + 1 >= line.size() ||
        (line[after] != '.' && line[after] != ')') || line[after + 1] != ' ') {
      return false;
    }
    item.kind = ListKind::numbers;
    item.number = number;
    column += digits + 2;
    at = after + 2;
  }
  while (at < line.size() && isBlankOrTab(line[at])) {
    column = nextColumn(column, line[at++]);
  }
  item.indent = indentation.column;
  item.textColumn = column;
  item.textByte = at;
  return true;
}

bool startsTable(std::string_view line) { return line.find("[TAB]") != std::string_view::npos; }
bool endsTable(std::string_view line) { return line.find("[/TAB]") != std::string_view::npos; }

// A line of the value, by its place in the value: all of it from begin to end, its text (without
// the blanks and tabs at its ends) from textBegin to textEnd, and the column of textBegin. The
// text of an empty line is empty.
struct Line {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t textBegin = 0;
  std::size_t textEnd = 0;
  std::size_t indent = 0;

  bool isEmpty() const { return textBegin == textEnd; }
};

// The lines of a value, each after a line feed: a value holds no text before its first one.
class Lines {
 public:
  explicit Lines(std::string_view value) : value_(value), at_(value.starts_with('\n') ? 1 : 0) {}
  // The lines from the one that begins at `from` on.
  Lines(std::string_view value, std::size_t from) : value_(value), at_(from) {}

  // Reads the next line into line; false when there is none.
  bool next(Line& line) {
    if (at_ == kNone) {
      return false;
    }
    const char* const data = value_.data();
    const void* const feed = std::memchr(data + at_, '\n', value_.size() - at_);
    line.begin = at_;
    line.end = feed == nullptr ? value_.size() : static_cast<const char*>(feed) - data;
    at_ = feed == nullptr ? kNone : line.end + 1;
    const Indentation indentation = indentationAt(view(line));
    line.textBegin = line.begin + indentation.byte;
    line.indent = indentation.column;
    line.textEnd = line.end;
    while (line.textEnd > line.textBegin && isBlankOrTab(data[line.textEnd - 1])) {
      --line.textEnd;
    }
    return true;
  }

  std::string_view view(const Line& line) const {
    return value_.substr(line.begin, line.end - line.begin);
  }

 private:
  std::string_view value_;
  std::size_t at_;
};

// Writes the blocks one after the other into out, a line feed between two blocks. The rules read
// the value as it stands, escaped or not, since an entity holds only "&", small letters and ";",
// none of which a rule looks at; so each piece of the value is escaped only as it is written, and
// the value is neither copied whole nor split into lines twice. The text of paragraphs and items
// goes to out line by line as it comes; the lines of an example, which follow one another in the
// value, are written when it ends, once their common indentation is known.
class BlockWriter {
 public:
  BlockWriter(std::string_view value, bool escapeHtml, std::string& out)
      : value_(value), escaper_(value, escapeHtml), out_(out) {}

  void paragraphLine(const Line& line) {
    endExample();
    if (inParagraph_) {
      out_ += ' ';
    } else {
      startBlock();
      put("<p>");
      inParagraph_ = true;
    }
    write(line.textBegin, line.textEnd);
  }

  void exampleLine(const Line& line) {
    endParagraph();
    if (exampleBegin_ == kNone) {
      exampleBegin_ = line.begin;
      exampleIndent_ = line.indent;
    }
    exampleIndent_ = std::min(exampleIndent_, line.indent);
    exampleEnd_ = line.end;
  }

  void endParagraph() {
    if (!inParagraph_) {
      return;
    }
    put("</p>");
    inParagraph_ = false;
  }

  void endExample() {
    if (exampleBegin_ == kNone) {
      return;
    }
    startBlock();
    put("<pre>");
    Lines lines(value_.substr(0, exampleEnd_), exampleBegin_);
    for (Line line; lines.next(line);) {
      if (line.begin != exampleBegin_) {
        out_ += '\n';
      }
      out_.append(line.indent - exampleIndent_, ' ');
      write(line.textBegin, line.end);
    }
    put("</pre>");
    exampleBegin_ = kNone;
  }

  bool inList() const { return !lists_.empty(); }

  // Whether the line continues the innermost item, once the lists it leaves are closed.
  bool continuesItem(std::size_t indent) {
    while (!lists_.empty() && indent < lists_.back().textColumn) {
      closeList();
    }
    return !lists_.empty();
  }

  void itemLine(const Line& line) {
    if (itemHasText_) {
      out_ += ' ';
    }
    write(line.textBegin, line.textEnd);
    itemHasText_ = true;
  }

  void startItem(const Line& line, const ItemStart& item) {
    while (!lists_.empty() && lists_.back().indent > item.indent) {
      closeList();
    }
    if (!lists_.empty() && lists_.back().indent == item.indent) {
      if (lists_.back().kind == item.kind) {
        put("</li><li>");
        writeItemText(line, item);
        lists_.back().textColumn = item.textColumn;
        return;
      }
      closeList();
    }
    if (lists_.empty()) {
      endParagraph();
      endExample();
      startBlock();
    }
    if (item.kind == ListKind::bullets) {
      put("<ul><li>");
    } else if (item.number == 1) {
      put("<ol><li>");
    } else {
      put("<ol start=\"");
      out_ += std::to_string(item.number);
      put("\"><li>");
    }
    lists_.push_back(OpenList{item.kind, item.indent, item.textColumn});
    writeItemText(line, item);
  }

  void closeLists() {
    while (!lists_.empty()) {
      closeList();
    }
  }

  void startTable() {
    endParagraph();
    endExample();
    closeLists();
    startBlock();
    put("<table>\n");
  }

  // A row as appendTabTableRow writes it: the fields before and after the line's first "-".
  void tableRow(const Line& line, std::string_view text) {
    put("<tr><td>");
    writeField(line, text, 1);
    put("</td><td>");
    writeField(line, text, 2);
    put("</td></tr>\n");
  }

  void endTable() { put("</table>"); }

  void finish() {
    endParagraph();
    endExample();
    closeLists();
  }

 private:
  struct OpenList {
    ListKind kind;
    std::size_t indent;
    std::size_t textColumn;
  };

  void write(std::size_t begin, std::size_t end) { escaper_.append(out_, begin, end); }

  // Markup of a length known where it is written, so that no call measures it.
  void put(std::string_view markup) { out_ += markup; }

  void writeField(const Line& line, std::string_view text, int field) {
    const std::string_view piece = fieldView(text, field, '-');
    if (!piece.empty()) {
      const std::size_t begin = line.begin + (piece.data() - text.data());
      write(begin, begin + piece.size());
    }
  }

  void startBlock() {
    if (!out_.empty() && out_.back() != '\n') {
      out_ += '\n';
    }
  }

  void closeList() {
    put(lists_.back().kind == ListKind::bullets ? "</li></ul>" : "</li></ol>");
    lists_.pop_back();
    // The enclosing item goes on after the inner list without a blank.
    itemHasText_ = false;
  }

  // "term - text" and "term -- text" show the term, a word without blanks, as code.
  void writeItemText(const Line& line, const ItemStart& item) {
    const std::size_t begin = line.begin + item.textByte;
    const std::size_t end = std::max(begin, line.textEnd);
    itemHasText_ = end > begin;
    const std::string_view text = value_.substr(begin, end - begin);
    const std::size_t blank = text.find(' ');
    if (blank != std::string_view::npos && blank > 0) {
      const std::string_view rest = text.substr(blank);
      if (rest.starts_with(" - ") || rest.starts_with(" -- ")) {
        put("<code>");
        write(begin, begin + blank);
        put("</code>");
        write(begin + blank, end);
        return;
      }
    }
    write(begin, end);
  }

  std::string_view value_;
  HtmlEscaper escaper_;
  std::string& out_;
  bool inParagraph_ = false;
  // The lines of the open example run from the begin of its first to the end of its last;
  // exampleBegin_ is kNone while none is open.
  std::size_t exampleBegin_ = kNone;
  std::size_t exampleEnd_ = 0;
  std::size_t exampleIndent_ = 0;
  std::vector<OpenList> lists_;
  bool itemHasText_ = false;
};

// Writes the blocks of the value into out, reading each line as an example when it is indented at
// least two columns deeper than base. With base kNone, base is taken to be the indentation of the
// first line that holds text; false, with out unfinished, when a later line holds text less
// indented than that.
bool writeBlocks(std::string_view value, bool escapeHtml, std::size_t base, std::string& out) {
  // Most values hold no table, and their lines need not be searched for one.
  const bool mayHoldTables = startsTable(value);
  BlockWriter writer(value, escapeHtml, out);
  Lines lines(value);
  for (Line line; lines.next(line);) {
    if (line.isEmpty()) {
      writer.endParagraph();
      writer.endExample();
      continue;
    }
    if (line.indent < base) {
      if (base != kNone) {
        return false;
      }
      base = line.indent;
    }
    if (mayHoldTables && startsTable(lines.view(line))) {
      writer.startTable();
      while (lines.next(line)) {
        if (!line.isEmpty() && line.indent < base) {
          return false;
        }
        const std::string_view text = lines.view(line);
        if (endsTable(text)) {
          break;
        }
        writer.tableRow(line, text);
      }
      writer.endTable();
      continue;
    }
    if (mayStartItem(value[line.textBegin])) {
      ItemStart item;
      if (itemStartOf(lines.view(line), Indentation{line.textBegin - line.begin, line.indent},
                      item)) {
        writer.startItem(line, item);
        continue;
      }
    }
    if (writer.inList() && writer.continuesItem(line.indent)) {
      writer.itemLine(line);
    } else if (line.indent >= base + 2) {
      writer.exampleLine(line);
    } else {
      writer.paragraphLine(line);
    }
  }
  writer.finish();
  return true;
}

// The least indentation of the lines of the value that hold text.
std::size_t leastIndentation(std::string_view value) {
  std::size_t least = kNone;
  Lines lines(value);
  for (Line line; lines.next(line);) {
    if (!line.isEmpty()) {
      least = std::min(least, line.indent);
    }
  }
  return least;
}

}  // namespace

std::size_t indentationOf(std::string_view line) { return indentationAt(line).column; }

bool isEmptyLine(std::string_view line) {
  return std::all_of(line.begin(), line.end(), isBlankOrTab);
}

std::size_t listItemTextColumn(std::string_view line) {
  ItemStart item;
  return itemStartOf(line, indentationAt(line), item) ? item.textColumn : 0;
}

void appendTabTableRow(std::string& result, std::string_view line) {
  result += "<tr><td>";
  result += fieldView(line, 1, '-');
  result += "</td><td>";
  result += fieldView(line, 2, '-');
  result += "</td></tr>\n";
}

// Only the blanks, tabs and line feeds at the ends are read, however long the value.
std::string_view withoutEmptyEdgeLines(std::string_view value) {
  const auto isSpace = [](char c) { return isBlankOrTab(c) || c == '\n'; };
  // Each line feed before the first text ends an empty line.
  std::size_t begin = 0;
  for (std::size_t at = 0; at < value.size() && isSpace(value[at]); ++at) {
    if (value[at] == '\n') {
      begin = at + 1;
    }
  }
  value.remove_prefix(begin);
  // Each line feed after the last text begins one, and so does the start of a value of no text.
  std::size_t end = value.size();
  std::size_t at = value.size();
  for (; at > 0 && isSpace(value[at - 1]); --at) {
    if (value[at - 1] == '\n') {
      end = at - 1;
    }
  }
  return value.substr(0, at == 0 ? 0 : end);
}

std::string readableText(std::string_view value, bool escapeHtml) {
  std::string out;
  // The markup takes about the room of the line feeds and indentation it replaces, so an eighth
  // more than the value spares most values a second allocation.
  out.reserve(value.size() + value.size() / 8);
  // The base indentation is the least of the lines that hold text, those of the tables included.
  // It is nearly always that of the first, so the value is read once on that guess, and read
  // again only where a line proves it wrong.
  if (!writeBlocks(value, escapeHtml, kNone, out)) {
    out.clear();
    writeBlocks(value, escapeHtml, leastIndentation(value), out);
  }
  return out;
}

}  // namespace inkwright
