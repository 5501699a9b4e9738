// A template cut once at its placeholders, so that each of the many texts made from it is filled
// in one pass, rather than in one pass over the whole text per placeholder (note [one pass]).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace inkwright {

class CutTemplate {
 public:
  // Where a piece's placeholder is kEnd, its literal text ends the template.
  static constexpr std::size_t kEnd = static_cast<std::size_t>(-1);

  // A literal text of the template, then a placeholder: its index in the list given.
  struct Piece {
    std::string_view literal;
    std::size_t placeholder;
  };

  // text, which must outlive the cut, with placeholders, each "@@" + a name without "@" + "@@",
  // listed in the order in which they would be replaced in turn.
  CutTemplate(std::string_view text, const std::vector<std::string_view>& placeholders);

  // Whether filling the pieces in one pass gives the text that replacing each placeholder
  // everywhere in turn gives, for any values that hold no "@". Where it does not, pieces() is
  // empty.
  bool isCut() const { return !pieces_.empty(); }
  const std::vector<Piece>& pieces() const { return pieces_; }

 private:
  std::vector<Piece> pieces_;
};

// text with every placeholder replaced everywhere by its value (values[k] of placeholders[k]), one
// placeholder after the other (replaceAllIn): how a page is filled where it cannot be in one pass.
std::string filledInTurns(std::string text, const std::vector<std::string_view>& placeholders,
                          const std::vector<std::string_view>& values);

}  // namespace inkwright
