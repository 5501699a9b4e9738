// inkwright CONFIG: one parameter in, exit code 0 out, whatever happened.
#include <string>
#include <vector>

#include "run/run.h"
#include "text/platform.h"

int main(int argc, char** argv) {
  const std::vector<std::string> parameters = inkwright::commandLineParameters(argc, argv);
  // What the run read is held until the process ends, which frees it at once.
  const inkwright::Document read =
      parameters.size() == 1 ? inkwright::runInkwright(parameters.front()) : inkwright::Document{};
  inkwright::exitProcess();
}
