// inkwright-check CONFIG [--format=gnu|json|sarif] [--quiet]: reads what a run reads, writes no
// file, and reports what the run would lose. Exit code 0 without warnings, 1 with warnings, 2 when
// the configuration cannot be read or the command line is wrong.
#include <optional>
#include <string>
#include <vector>

#include "check/checkrun.h"
#include "check/report.h"
#include "text/platform.h"

namespace {

constexpr int kNoWarnings = 0;
constexpr int kWarnings = 1;
constexpr int kUnreadable = 2;

constexpr const char* kUsage =
    "usage: inkwright-check CONFIG [--format=gnu|json|sarif] [--quiet]\n";

struct Arguments {
  std::string configurationPath;
  inkwright::ReportFormat format = inkwright::ReportFormat::gnu;
  bool quiet = false;
};

std::optional<Arguments> argumentsFrom(const std::vector<std::string>& parameters) {
  using inkwright::ReportFormat;
  Arguments arguments;
  bool hasPath = false;
  for (const std::string& parameter : parameters) {
    if (parameter == "--quiet") {
      arguments.quiet = true;
    } else if (parameter == "--format=gnu") {
      arguments.format = ReportFormat::gnu;
    } else if (parameter == "--format=json") {
      arguments.format = ReportFormat::json;
    } else if (parameter == "--format=sarif") {
      arguments.format = ReportFormat::sarif;
    } else if (parameter.starts_with("--") || hasPath) {
      return std::nullopt;
    } else {
      arguments.configurationPath = parameter;
      hasPath = true;
    }
  }
  return hasPath ? std::optional<Arguments>(arguments) : std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace inkwright;
  const std::optional<Arguments> arguments = argumentsFrom(commandLineParameters(argc, argv));
  if (!arguments) {
    writeConsole(ConsoleStream::error, kUsage);
    exitProcess(kUnreadable);
  }
  const std::optional<CheckResult> result = checkRun(arguments->configurationPath);
  if (!result) {
    writeConsole(ConsoleStream::error, "inkwright-check: cannot read the configuration file \"" +
                                           arguments->configurationPath + "\"\n");
    exitProcess(kUnreadable);
  }
  writeConsole(ConsoleStream::output, reportIn(arguments->format, result->warnings));
  // The summary goes with the compiler-style lines; beside JSON and SARIF it would spoil the
  // document, so it goes to standard error there.
  if (!arguments->quiet) {
    writeConsole(
        arguments->format == ReportFormat::gnu ? ConsoleStream::output : ConsoleStream::error,
        summaryLine(result->counts, result->warnings));
  }
  exitProcess(result->warnings.empty() ? kNoWarnings : kWarnings);
}
