// Which character set the styled pages declare, and text written for scripts in plain ASCII.
#pragma once

#include <string>
#include <string_view>

namespace inkwright {

enum class Charset { utf8, windows1252 };

// Whether text is well-formed UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool isValidUtf8(std::string_view text);

// "UTF-8" or "windows-1252", as a page declares it.
std::string_view charsetName(Charset charset);

}  // namespace inkwright
