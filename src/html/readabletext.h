// Tag text as its authors lay it out in plain text: paragraphs split by empty lines, "*", "-", "+"
// and numbered lists, and indented examples, written as HTML blocks under "readable text".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace inkwright {

// The column of the first byte of line that is no blank or tab, counted from 0, a tab moving to
// the next multiple of 8; the line's length in columns when it holds nothing else.
std::size_t indentationOf(std::string_view line);

// Whether the line holds only blanks and tabs.
bool isEmptyLine(std::string_view line);

// Where the text of a list item begins on line: the column after its marker ("* ", "- ", "+ ",
// "N. " or "N) ", N of 1 to 9 digits, after the indentation) and the blanks after it; 0 when the
// line starts no list item.
std::size_t listItemTextColumn(std::string_view line);

// The tag's value (lines, each after a line feed) as blocks of HTML: <p> paragraphs, <ul> and <ol>
// lists, <pre> examples, and the "[TAB]" tables as expandTabTables writes them (see note [readable
// text]). Under escapeHtml the text is escaped as "escape html" escapes it before any markup is
// added.
std::string readableText(std::string_view value, bool escapeHtml);

// Appends the row of a "[TAB]" table that line gives: the fields before and after its first "-".
void appendTabTableRow(std::string& result, std::string_view line);

// The value without its leading and trailing lines that hold only blanks and tabs.
std::string_view withoutEmptyEdgeLines(std::string_view value);

}  // namespace inkwright
