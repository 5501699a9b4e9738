#include "bindings/signatures.h"

#include <string>

#include "scan/imports.h"
#include "text/text.h"

namespace inkwright {

namespace {

// The type letter is the whole second "."-field of a parameter, compared case-sensitively: "L",
// "long" and a missing letter all fall through to "any".
std::string_view typeWordOf(std::string_view parameter) {
  const std::string_view letter = fieldView(parameter, 2, '.');
  if (letter == "b") {
    return "Byte";
  }
  if (letter == "l") {
    return "Long";
  }
  if (letter == "s") {
    return "String";
  }
  if (letter == "f") {
    return "Float";
  }
  if (letter == "d") {
    return "Double";
  }
  if (letter == "q") {
    return "Quad";
  }
  return "any";
}

}  // namespace

// A declaration is split naively: a "," inside a default value starts a new parameter and a ")"
// inside one ends the list. An empty list still yields one empty parameter, typed "any".
std::string libraryFunctionLines(std::string_view declaration, std::string_view description) {
  const std::string parameterText = textBetween(declaration, "(", ")");
  std::string types(trimBlanksView(procedureNameOf(declaration)));
  types += ',';
  std::string parameters = "(";
  std::size_t begin = 0;
  for (;;) {
    const std::size_t end = parameterText.find(',', begin);
    const std::string_view field = std::string_view(parameterText).substr(begin, end - begin);
    const std::string_view parameter = trimBlanksView(fieldView(field, 1, '='));
    parameters += parameter;
    types += typeWordOf(parameter);
    if (end == std::string::npos) {
      break;
    }
    parameters += ',';
    types += ',';
    begin = end + 1;
  }
  std::string lines = std::move(types);
  lines += ' ';
  lines += parameters;
  lines += ") - ";
  lines += description;
  lines += "\r\nLong\r\n";
  return lines;
}

}  // namespace inkwright
