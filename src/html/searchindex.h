// The search index of the styled pages.
#pragma once

#include <string>
#include <vector>

#include "html/pagelinks.h"
#include "model/document.h"
#include "text/charset.h"

namespace inkwright {

std::string searchIndexScript(const Document& document, const PageLinks& pageLinks,
                              const std::vector<std::string>& descriptions, Charset charset);

}  // namespace inkwright
