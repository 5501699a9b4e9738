// Where a page's markup stands: what both kinds of automatic links must leave alone.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace inkwright {

// The first "<" at or after `from` that begins markup: one followed by a letter, "/", "!" or "?";
// any other "<" is text. page.size() when there is none.
std::size_t nextMarkup(std::string_view page, std::size_t from);

// The end of the tag or comment ("<!--" to "-->") that begins at `at`; page.size() when it is not
// closed.
std::size_t tagEnd(std::string_view page, std::size_t at);

// text with every searchText that begins outside markup replaced, as replaceAll replaces them.
std::string replaceAllOutsideMarkup(std::string_view text, std::string_view searchText,
                                    std::string_view replacement);

}  // namespace inkwright
