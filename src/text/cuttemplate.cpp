#include "text/cuttemplate.h"

#include <algorithm>

#include "text/text.h"

namespace inkwright {

namespace {

constexpr std::string_view kMark = "@@";

bool isPlaceholder(std::string_view text) {
  return text.size() > 2 * kMark.size() && startsWith(text, kMark) && text.ends_with(kMark) &&
         text.substr(kMark.size(), text.size() - 2 * kMark.size()).find('@') ==
             std::string_view::npos;
}

}  // namespace

// note [one pass]
// Replacing placeholders in turn, each everywhere, finds more than the template's own where the
// template and the values spell another together: after "@@SECTION@@@@NAME@@@@TAGS@@" has had
// @@NAME@@ replaced by "TAGS", the text holds "@@SECTION@@TAGS@@TAGS@@", and @@TAGS@@ is then
// found where no template placeholder was. Filling every placeholder in one pass gives the same
// text as the turns exactly when no such placeholder can form, which two rules make sure:
// - the template holds no "@" but in its placeholders, and no value holds one, so every "@" of
//   the text is that of a placeholder of the template;
// - every text between two placeholders holds a byte that no placeholder holds, so that what
//   lies between the "@@" ending one placeholder and the "@@" starting a later one, with any
//   values between them, never spells a placeholder's name.
// A template that breaks either rule in its own text is filled in turns; the caller checks the
// values, since only it knows them.
CutTemplate::CutTemplate(std::string_view text, const std::vector<std::string_view>& placeholders) {
  if (!std::all_of(placeholders.begin(), placeholders.end(), isPlaceholder)) {
    return;
  }
  const auto heldByPlaceholder = [&](char c) {
    return std::any_of(placeholders.begin(), placeholders.end(), [c](std::string_view placeholder) {
      return placeholder.find(c) != std::string_view::npos;
    });
  };
  std::vector<Piece> pieces;
  std::size_t literalStart = 0;
  std::size_t at = text.find('@');
  while (at != std::string_view::npos) {
    const auto found = std::find_if(
        placeholders.begin(), placeholders.end(),
        [&](std::string_view placeholder) { return startsWith(text.substr(at), placeholder); });
    if (found == placeholders.end()) {
      return;
    }
    const std::string_view literal = text.substr(literalStart, at - literalStart);
    if (!pieces.empty() && std::all_of(literal.begin(), literal.end(), heldByPlaceholder)) {
      return;
    }
    pieces.push_back(Piece{literal, static_cast<std::size_t>(found - placeholders.begin())});
    literalStart = at + found->size();
    at = text.find('@', literalStart);
  }
  pieces.push_back(Piece{text.substr(literalStart), kEnd});
  pieces_ = std::move(pieces);
}

std::string filledInTurns(std::string text, const std::vector<std::string_view>& placeholders,
                          const std::vector<std::string_view>& values) {
  for (std::size_t k = 0; k < placeholders.size(); ++k) {
    replaceAllIn(text, placeholders[k], values[k]);
  }
  return text;
}

}  // namespace inkwright
