#include "check/report.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string_view>
#include <vector>

#include "config/keytable.h"
#include "text/platform.h"
#include "text/text.h"

namespace inkwright {

namespace {

using Json = nlohmann::json;

std::string countText(std::size_t n) { return decimalText(static_cast<std::int32_t>(n)); }

// The categories in rule order, each once.
std::vector<std::string_view> categories() {
  std::vector<std::string_view> list;
  for (const KnownRule& rule : knownRules()) {
    if (std::find(list.begin(), list.end(), rule.category) == list.end()) {
      list.push_back(rule.category);
    }
  }
  return list;
}

std::string dumped(const Json& document) {
  return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

// A path as a URI reference: "/" between components, every other byte outside the unreserved set
// percent-encoded; a path with a drive letter becomes a file: URI.
std::string uriOf(const std::string& path) {
  std::string uri;
  const bool hasDrive =
      path.size() >= 2 && path[1] == ':' && isPlainByte(path[0], PlainBytes::uriUnreserved);
  if (hasDrive) {
    uri = "file:///" + path.substr(0, 2);
  }
  std::string_view rest = std::string_view(path).substr(hasDrive ? 2 : 0);
  for (;;) {
    const std::size_t separator = rest.find_first_of("\\/");
    appendPercentEncoded(uri, rest.substr(0, separator), PlainBytes::uriUnreserved);
    if (separator == std::string_view::npos) {
      return uri;
    }
    uri += '/';
    rest.remove_prefix(separator + 1);
  }
}

std::size_t ruleIndex(std::string_view rule) {
  const auto rules = knownRules();
  return static_cast<std::size_t>(
      std::find_if(rules.begin(), rules.end(), [&](const KnownRule& r) { return r.id == rule; }) -
      rules.begin());
}

Json sarifRules() {
  Json rules = Json::array();
  for (const KnownRule& rule : knownRules()) {
    rules.push_back({{"id", rule.id},
                     {"shortDescription", {{"text", rule.summary}}},
                     {"properties", {{"category", rule.category}}}});
  }
  return rules;
}

Json sarifResult(const Warning& warning) {
  Json location = {{"artifactLocation", {{"uri", uriOf(warning.file)}}}};
  if (warning.line > 0) {
    location["region"] = {{"startLine", warning.line}};
  }
  return {{"ruleId", warning.rule},
          {"ruleIndex", ruleIndex(warning.rule)},
          {"level", "warning"},
          {"message", {{"text", warning.message}}},
          {"locations", Json::array({{{"physicalLocation", location}}})}};
}

}  // namespace

std::string gnuReport(const WarningList& warnings) {
  std::string report;
  for (const Warning& warning : warnings) {
    report += displayPath(warning.file);
    if (warning.line > 0) {
      report.append(":").append(countText(warning.line));
    }
    report.append(": warning: ").append(warning.message);
    report.append(" [").append(warning.rule).append("]\n");
  }
  return report;
}

std::string jsonReport(const WarningList& warnings) {
  Json report = Json::array();
  for (const Warning& warning : warnings) {
    report.push_back({{"file", displayPath(warning.file)},
                      {"line", warning.line > 0 ? Json(warning.line) : Json(nullptr)},
                      {"category", ruleCategory(warning.rule)},
                      {"rule", warning.rule},
                      {"message", warning.message}});
  }
  return dumped(report);
}

std::string sarifReport(const WarningList& warnings) {
  Json results = Json::array();
  for (const Warning& warning : warnings) {
    results.push_back(sarifResult(warning));
  }
  const Json driver = {{"name", "inkwright-check"}, {"rules", sarifRules()}};
  const Json log = {
      {"$schema", "https://json.schemastore.org/sarif-2.1.0.json"},
      {"version", "2.1.0"},
      {"runs", Json::array({{{"tool", {{"driver", driver}}}, {"results", results}}})}};
  return dumped(log);
}

std::string reportIn(ReportFormat format, const WarningList& warnings) {
  switch (format) {
    case ReportFormat::json:
      return jsonReport(warnings);
    case ReportFormat::sarif:
      return sarifReport(warnings);
    case ReportFormat::gnu:
      break;
  }
  return gnuReport(warnings);
}

std::string summaryLine(const RunCounts& counts, const WarningList& warnings) {
  std::string line = "inkwright-check: " + countText(counts.filesRead) + " files read, " +
                     countText(counts.blocks) + " blocks, " + countText(counts.entries) +
                     " entries, " + countText(counts.pages) + " pages; warnings:";
  bool first = true;
  for (const std::string_view category : categories()) {
    const auto count = std::count_if(warnings.begin(), warnings.end(), [&](const Warning& w) {
      return ruleCategory(w.rule) == category;
    });
    line.append(first ? " " : ", ").append(category).append(" ");
    line += countText(static_cast<std::size_t>(count));
    first = false;
  }
  return line + "\n";
}

}  // namespace inkwright
