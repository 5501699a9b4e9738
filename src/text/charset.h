// The two character sets a run writes its pages in, and the one place that turns source bytes into
// the text of a script: the pages declare UTF-8 when every source byte reads as UTF-8, else
// windows-1252, which reads any byte, as the sources of older libraries are mostly written in it.
#pragma once

#include <string>
#include <string_view>

namespace inkwright {

enum class Charset { utf8, windows1252 };

// Whether text is well-formed UTF-8: no stray continuation byte, no sequence cut short, no overlong
// form, no surrogate (U+D800-U+DFFF) and nothing above U+10FFFF. The empty text is.
bool isValidUtf8(std::string_view text);

// Whether every byte of text is below 0x80.
bool isAscii(std::string_view text);

// The name a page declares: "UTF-8" or "windows-1252".
std::string_view charsetName(Charset charset);

// Appends text to out as a JavaScript string literal in double quotes, in ASCII only. The bytes are
// read as the charset says: UTF-8 (a byte that is not part of a well-formed sequence reads as
// U+FFFD), or windows-1252, whose bytes 0x80-0x9F are read as browsers read them (the five it
// leaves undefined as U+0081, U+008D, U+008F, U+0090 and U+009D) and the rest as Latin-1. Every
// character outside printable ASCII, and each of " \ < > & ', is written as \uXXXX, a character
// above U+FFFF as its surrogate pair, so that the literal can stand inside a <script> element of
// any page and any line separator in it stays text.
void appendJavaScriptString(std::string& out, std::string_view text, Charset charset);

}  // namespace inkwright
