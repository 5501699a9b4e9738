#include "bindings/outputname.h"

#include "text/text.h"

namespace inkwright {

// The name is taken as it stands, without any check: one holding its own directories lands below
// the output directory. The default names begin with a blank, and keep it.
std::string bindingFilePath(const Configuration& config, const std::string& outputDirectory,
                            const std::string& key, std::string_view defaultName) {
  std::string path = withTrailingSeparator(outputDirectory, '/');
  const std::string value = config.configValue(key);
  const std::string_view name = trimBlanksView(fieldView(trimBlanksView(value), 1, '\n'));
  path += name.empty() ? defaultName : name;
  return path;
}

}  // namespace inkwright
