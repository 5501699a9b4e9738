// What one page changes of the automatic links that every page shares.
#pragma once

#include <optional>
#include <string>

namespace inkwright {

// On one page, the links of searchText get another replacement, or, with none, leave the text as
// it stands, and no other link is made inside it.
struct LinkOverride {
  std::string searchText;
  std::optional<std::string> replacement;
};

}  // namespace inkwright
