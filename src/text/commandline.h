// How a Windows program finds its parameters in the one command-line text the system hands it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace inkwright {

// The parameters of a command line, the program's own path (the first one) not counted.
// Parameters are separated by one or more spaces; one that begins with a double quote runs to the
// next double quote, or to the end, and loses its quotes. Tabs do not separate.
std::vector<std::string> splitCommandLine(std::string_view commandLine);

}  // namespace inkwright
