#include "html/sitefiles.h"

namespace inkwright {

std::string_view builtInStyleSheet() { return "/* style sheet */\n"; }
std::string_view builtInSearchScript() { return "/* search */\n"; }

}  // namespace inkwright
