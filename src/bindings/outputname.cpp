#include "bindings/outputname.h"

#include "text/text.h"

namespace inkwright {

// The name is taken as it stands, without any check: one holding its own directories lands below
// the output directory. The default names begin with a blank, and keep it.
std::string bindingFileName(const Configuration& config, const std::string& key,
                            std::string_view defaultName) {
  const std::string value = config.configValue(key);
  const std::string_view name = trimBlanksView(fieldView(trimBlanksView(value), 1, '\n'));
  return std::string(name.empty() ? defaultName : name);
}

std::string bindingFilePath(const Configuration& config, const std::string& outputDirectory,
                            const std::string& key, std::string_view defaultName) {
  return withTrailingSeparator(outputDirectory, '/') + bindingFileName(config, key, defaultName);
}

}  // namespace inkwright
