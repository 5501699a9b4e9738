#include "scan/imports.h"

#include <unordered_set>

#include "text/text.h"

namespace inkwright {

void readImportDirective(std::string_view line, const std::string& path, std::size_t lineNumber,
                         std::vector<ImportDirective>& directives) {
  if (!startsWith(line, "#PBIMPORT:")) {
    return;
  }
  // Blanks after the colon stay: the declaration is recorded exactly as written.
  directives.push_back(
      ImportDirective{path, std::string(fieldView(line, 2, ':')), false, lineNumber});
}

std::string_view procedureNameOf(std::string_view declaration) {
  return declaration.substr(0, declaration.find('('));
}

// Only whether some entry matches decides the flag, so a set of the upper-cased names gives the
// same result as a walk to the first matching entry, without a walk per directive. The key is not
// trimmed: "Start (x.l)" looks for "START " and finds no entry named Start.
void markDocumentedImports(Document& document) {
  std::unordered_set<std::string> documentedNames;
  documentedNames.reserve(document.entries.size());
  for (const DocEntry& entry : document.entries) {
    documentedNames.insert(upperCase(entry.entryName));
  }
  for (ImportDirective& directive : document.imports) {
    directive.documented =
        documentedNames.contains(upperCase(procedureNameOf(directive.declaration)));
  }
}

}  // namespace inkwright
