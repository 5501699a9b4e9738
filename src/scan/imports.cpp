#include "scan/imports.h"

#include "model/document.h"
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

}  // namespace inkwright
