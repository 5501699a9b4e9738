// The checks of the language-binding files: imports without an entry, entries without a
// description.
#pragma once

#include "check/warning.h"
#include "config/settings.h"
#include "model/document.h"

namespace inkwright {

// Adds the warnings of category "binding" for the ordered document, whose directives have been
// marked documented: directives that no entry documents, and entries that
// document a directive but give no description (as the binding files describe entries).
void checkBindings(const Configuration& config, const Document& document, WarningList& warnings);

}  // namespace inkwright
