#include "html/links/markup.h"

namespace inkwright {

std::size_t searchMarkup(std::string_view page, std::size_t from) {
  for (std::size_t at = page.find('<', from); at != std::string_view::npos;
       at = page.find('<', at + 1)) {
    if (beginsMarkup(page, at)) {
      return at;
    }
  }
  return page.size();
}

std::size_t searchTagEnd(std::string_view page, std::size_t at) {
  if (page[at + 1] == '!' && page.substr(at, 4) == "<!--") {
    const std::size_t close = page.find("-->", at + 4);
    return close == std::string_view::npos ? page.size() : close + 3;
  }
  const std::size_t close = page.find('>', at + 1);
  return close == std::string_view::npos ? page.size() : close + 1;
}

std::string replaceAllOutsideMarkup(std::string_view text, std::string_view searchText,
                                    std::string_view replacement) {
  std::string result;
  std::size_t copied = 0;
  std::size_t markup = nextMarkup(text, 0);
  for (std::size_t at = text.find(searchText); !searchText.empty() && at != std::string::npos;) {
    while (markup < at) {
      const std::size_t end = tagEnd(text, markup);
      if (at < end) {
        break;
      }
      markup = nextMarkup(text, end);
    }
    if (markup <= at) {
      at = text.find(searchText, tagEnd(text, markup));
      continue;
    }
    result.append(text, copied, at - copied);
    result += replacement;
    copied = at + searchText.size();
    at = text.find(searchText, copied);
  }
  result.append(text, copied);
  return result;
}

}  // namespace inkwright
