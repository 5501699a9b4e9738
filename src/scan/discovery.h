// Source discovery: the walk of the configured source directories into fileList.
#pragma once

#include <string>

namespace inkwright {

// Walks every directory of sourcePaths, in list order, appending the accepted files to fileList.
void scanSourcePaths();

}  // namespace inkwright
