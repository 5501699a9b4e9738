#include "html/readabletext.h"

#include <algorithm>
#include <cstdint>
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

std::size_t nextColumn(std::size_t column, char c) {
  return c == '\t' ? (column / kTabWidth + 1) * kTabWidth : column + 1;
}

bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The text without the blanks and tabs at its ends.
std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlankOrTab(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && isBlankOrTab(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

enum class ListKind { bullets, numbers };

// A line that starts a list item: its marker's column, the column and byte where its text begins.
// The indentation is set for any line, whether it starts an item or not.
struct ItemStart {
  ListKind kind = ListKind::bullets;
  std::size_t indent = 0;
  std::size_t textColumn = 0;
  std::size_t textByte = 0;
  std::int64_t number = 0;
};

bool itemStartOf(std::string_view line, ItemStart& item) {
  std::size_t at = 0;
  std::size_t column = 0;
  while (at < line.size() && isBlankOrTab(line[at])) {
    column = nextColumn(column, line[at++]);
  }
  item.indent = column;
  const char first = at < line.size() ? line[at] : '\0';
  if ((first == '*' || first == '-' || first == '+') && at + 1 < line.size() &&
      line[at + 1] == ' ') {
    item.kind = ListKind::bullets;
    at += 2;
    column += 2;
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
  item.textColumn = column;
  item.textByte = at;
  return true;
}

bool startsTable(std::string_view line) { return line.find("[TAB]") != std::string_view::npos; }
bool endsTable(std::string_view line) { return line.find("[/TAB]") != std::string_view::npos; }

// Appends the line with its indentation written as blanks and the first `drop` columns of it
// removed.
void appendWithoutIndentation(std::string& out, std::string_view line, std::size_t drop) {
  std::size_t at = 0;
  std::size_t column = 0;
  while (at < line.size() && isBlankOrTab(line[at])) {
    column = nextColumn(column, line[at++]);
  }
  out.append(column > drop ? column - drop : 0, ' ');
  out += line.substr(at);
}

// Writes the blocks one after the other, a line feed between two blocks. The lines it is given are
// shown as they are: readableText escapes the value before it reads its lines, which changes no
// rule's reading, since an entity holds only "&", small letters and ";", none of which a rule looks
// at, and escaping the lines one by one would cost a call and a copy each. Nothing else is
// written while a paragraph is open, so its lines go to the output as they come.
class BlockWriter {
 public:
  explicit BlockWriter(std::size_t expectedSize) { out_.reserve(expectedSize); }

  void paragraphLine(std::string_view line) {
    endExample();
    if (inParagraph_) {
      out_ += ' ';
    } else {
      startBlock();
      out_ += "<p>";
      inParagraph_ = true;
    }
    out_ += trimmed(line);
  }

  void exampleLine(std::string_view line) {
    endParagraph();
    example_.push_back(line);
  }

  void endParagraph() {
    if (!inParagraph_) {
      return;
    }
    out_ += "</p>";
    inParagraph_ = false;
  }

  void endExample() {
    if (example_.empty()) {
      return;
    }
    std::size_t common = std::string_view::npos;
    for (const std::string_view line : example_) {
      common = std::min(common, indentationOf(line));
    }
    startBlock();
    out_ += "<pre>";
    for (std::size_t k = 0; k < example_.size(); ++k) {
      out_ += k == 0 ? "" : "\n";
      appendWithoutIndentation(out_, example_[k], common);
    }
    out_ += "</pre>";
    example_.clear();
  }

  bool inList() const { return !lists_.empty(); }

  // Whether the line continues the innermost item, once the lists it leaves are closed.
  bool continuesItem(std::size_t indent) {
    while (!lists_.empty() && indent < lists_.back().textColumn) {
      closeList();
    }
    return !lists_.empty();
  }

  void itemLine(std::string_view line) {
    if (!itemText_.empty()) {
      itemText_ += ' ';
    }
    itemText_ += trimmed(line);
  }

  void startItem(std::string_view line, const ItemStart& item) {
    while (!lists_.empty() && lists_.back().indent > item.indent) {
      closeList();
    }
    if (!lists_.empty() && lists_.back().indent == item.indent) {
      if (lists_.back().kind == item.kind) {
        out_ += itemText_;
        out_ += "</li><li>";
        setItemText(line.substr(item.textByte));
        lists_.back().textColumn = item.textColumn;
        return;
      }
      closeList();
    }
    if (lists_.empty()) {
      endParagraph();
      endExample();
      startBlock();
    } else {
      out_ += itemText_;
    }
    if (item.kind == ListKind::bullets) {
      out_ += "<ul><li>";
    } else if (item.number == 1) {
      out_ += "<ol><li>";
    } else {
      out_ += "<ol start=\"";
      out_ += std::to_string(item.number);
      out_ += "\"><li>";
    }
    lists_.push_back(OpenList{item.kind, item.indent, item.textColumn});
    setItemText(line.substr(item.textByte));
  }

  void closeLists() {
    while (!lists_.empty()) {
      closeList();
    }
  }

  void table(const std::vector<std::string_view>& lines, bool isClosed) {
    endParagraph();
    endExample();
    closeLists();
    startBlock();
    out_ += "<table>\n";
    for (std::size_t k = 1; k < lines.size(); ++k) {
      if (k + 1 == lines.size() && isClosed) {
        break;
      }
      appendTabTableRow(out_, lines[k]);
    }
    out_ += "</table>";
  }

  std::string finish() {
    endParagraph();
    endExample();
    closeLists();
    return std::move(out_);
  }

 private:
  struct OpenList {
    ListKind kind;
    std::size_t indent;
    std::size_t textColumn;
  };

  void startBlock() {
    if (!out_.empty() && out_.back() != '\n') {
      out_ += '\n';
    }
  }

  void closeList() {
    out_ += itemText_;
    itemText_.clear();
    out_ += lists_.back().kind == ListKind::bullets ? "</li></ul>" : "</li></ol>";
    lists_.pop_back();
  }

  // "term - text" and "term -- text" show the term, a word without blanks, as code.
  void setItemText(std::string_view text) {
    text = trimmed(text);
    itemText_.clear();
    const std::size_t blank = text.find(' ');
    if (blank != std::string_view::npos && blank > 0) {
      for (const std::string_view dash : {" - ", " -- "}) {
        if (text.substr(blank).starts_with(dash)) {
          itemText_ += "<code>";
          itemText_ += text.substr(0, blank);
          itemText_ += "</code>";
          text.remove_prefix(blank);
          break;
        }
      }
    }
    itemText_ += text;
  }

  std::string out_;
  bool inParagraph_ = false;
  std::vector<std::string_view> example_;
  std::vector<OpenList> lists_;
  std::string itemText_;
};

// The lines of a value, each after a line feed: a value holds no text before its first one. They
// are taken one by one, as forEachLine visits them, without a list of them to allocate.
class Lines {
 public:
  explicit Lines(std::string_view value) : rest_(value.substr(value.starts_with('\n') ? 1 : 0)) {}

  // Sets line to the next line; false when there is none.
  bool next(std::string_view& line) {
    if (done_) {
      return false;
    }
    const std::size_t end = rest_.find('\n');
    done_ = end == std::string_view::npos;
    line = rest_.substr(0, end);
    rest_.remove_prefix(done_ ? rest_.size() : end + 1);
    return true;
  }

 private:
  std::string_view rest_;
  bool done_ = false;
};

}  // namespace

std::size_t indentationOf(std::string_view line) {
  std::size_t column = 0;
  for (const char c : line) {
    if (!isBlankOrTab(c)) {
      break;
    }
    column = nextColumn(column, c);
  }
  return column;
}

bool isEmptyLine(std::string_view line) {
  return std::all_of(line.begin(), line.end(), isBlankOrTab);
}

std::size_t listItemTextColumn(std::string_view line) {
  ItemStart item;
  return itemStartOf(line, item) ? item.textColumn : 0;
}

void appendTabTableRow(std::string& result, std::string_view line) {
  result += "<tr><td>";
  result += fieldView(line, 1, '-');
  result += "</td><td>";
  result += fieldView(line, 2, '-');
  result += "</td></tr>\n";
}

std::string_view withoutEmptyEdgeLines(std::string_view value) {
  std::size_t begin = 0;
  for (std::size_t end = value.find('\n'); end != std::string_view::npos;
       end = value.find('\n', begin)) {
    if (!isEmptyLine(value.substr(begin, end - begin))) {
      break;
    }
    begin = end + 1;
  }
  value.remove_prefix(std::min(begin, value.size()));
  while (true) {
    const std::size_t lastBreak = value.rfind('\n');
    const std::size_t lineBegin = lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
    if (!isEmptyLine(value.substr(lineBegin)) || value.empty()) {
      break;
    }
    value = value.substr(0, lastBreak == std::string_view::npos ? 0 : lastBreak);
  }
  return value;
}

std::string readableText(std::string_view value, bool escapeHtml) {
  // Escaped once, as a whole, and read as it then is (see BlockWriter).
  const std::string escaped = escapeHtml ? inkwright::escapeHtml(value) : std::string();
  const std::string_view text = escapeHtml ? std::string_view(escaped) : value;
  // Most values hold no table, and their lines need not be searched for one.
  const bool mayHoldTables = startsTable(text);
  // The base indentation: the least of the lines that hold text, those of the tables included.
  std::size_t base = std::string_view::npos;
  Lines baseLines(text);
  for (std::string_view line; baseLines.next(line);) {
    if (!isEmptyLine(line)) {
      base = std::min(base, indentationOf(line));
    }
  }
  // The markup takes about the room of the line feeds and indentation it replaces, so an eighth
  // more than the value spares most values a second allocation.
  BlockWriter writer(text.size() + text.size() / 8);
  std::vector<std::string_view> table;
  Lines lines(text);
  for (std::string_view line; lines.next(line);) {
    if (mayHoldTables && startsTable(line)) {
      table.assign(1, line);
      bool isClosed = false;
      while (!isClosed && lines.next(line)) {
        table.push_back(line);
        isClosed = endsTable(line);
      }
      writer.table(table, isClosed);
      continue;
    }
    if (isEmptyLine(line)) {
      writer.endParagraph();
      writer.endExample();
      continue;
    }
    ItemStart item;
    if (itemStartOf(line, item)) {
      writer.startItem(line, item);
      continue;
    }
    const std::size_t indent = item.indent;
    if (writer.inList() && writer.continuesItem(indent)) {
      writer.itemLine(line);
    } else if (indent >= base + 2) {
      writer.exampleLine(line);
    } else {
      writer.paragraphLine(line);
    }
  }
  return writer.finish();
}

}  // namespace inkwright
