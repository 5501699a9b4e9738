#include "check/bindingchecks.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/description.h"
#include "scan/imports.h"
#include "text/text.h"

namespace inkwright {

void checkBindings(const Configuration& config, const Document& document, WarningList& warnings) {
  // The declaration of the first directive of each documented name, upper-cased as the match is.
  std::unordered_map<std::string, std::string_view> documented;
  for (const ImportDirective& directive : document.imports) {
    if (directive.documented) {
      documented.emplace(upperCase(procedureNameOf(directive.declaration)), directive.declaration);
      continue;
    }
    const std::string_view name = procedureNameOf(directive.declaration);
    // A return type written after the name, as in "Run.l()", belongs to the name that is looked up.
    const std::string hint = name.find('.') == std::string_view::npos
                                 ? std::string()
                                 : " (the type after the \".\" is part of the name)";
    warnings.push_back(Warning{directive.sourceFile, directive.sourceLine,
                               "binding.undocumented-import",
                               "no entry documents the import " + quoted(directive.declaration) +
                                   ": no entry is named " + quoted(trimBlanksView(name)) + hint});
  }
  for (const DocEntry& entry : document.entries) {
    const auto found = documented.find(upperCase(entry.entryName));
    if (found == documented.end()) {
      continue;
    }
    const std::optional<std::string> description =
        entryDescription(entry, config.settings().descriptionItems);
    if (!description || trimBlanksView(*description).empty()) {
      warnings.push_back(Warning{entry.sourceFile, entry.sourceLine, "binding.no-description",
                                 "the entry " + quoted(entry.entryName) + " documents the import " +
                                     quoted(found->second) +
                                     " but gives no description (a NAME tag \"" + entry.entryName +
                                     " - what it does\")"});
    }
  }
}

}  // namespace inkwright
