#include "run/outputs.h"

#include "bindings/editorreference.h"
#include "bindings/importfile.h"
#include "bindings/userlibrary.h"
#include "helpproject/helpproject.h"
#include "html/masterindex.h"
#include "html/pagewriter.h"
#include "html/toc.h"
#include "text/text.h"

namespace inkwright {

SelectedOutputs selectedOutputs(const std::string& outputFormat) {
  SelectedOutputs selected;
  selected.pages = findText(outputFormat, "HTML") > 0;
  selected.helpProject = findText(outputFormat, "HTMLHELP") > 0;
  selected.importFile = findText(outputFormat, "IMPORTFILE") > 0;
  selected.editorReference = findText(outputFormat, "JAPBE") > 0;
  selected.userLibrary = findText(outputFormat, "USERLIB") > 0;
  return selected;
}

bool anySelected(const SelectedOutputs& selected) {
  return selected.pages || selected.helpProject || selected.importFile ||
         selected.editorReference || selected.userLibrary;
}

std::string outputPathFrom(const std::string& value) {
  return withTrailingSeparator(trimBlanks(value), '\\');
}

void writeSelectedOutputs(const Configuration& config, const Document& document,
                          const std::string& outputPath, const SelectedOutputs& selected,
                          OutputSink& sink) {
  if (selected.pages) {
    const std::string masterIndexPath = outputPath + "masterindex.html";
    const std::string tocPath = outputPath + "toc.html";
    pageWriter(config, document, outputPath, {masterIndexPath, tocPath}, sink);
    masterIndexWriter(config, document, masterIndexPath, sink);
    tocWriter(config, document, tocPath, sink);
  }
  if (selected.helpProject) {
    helpProjectWriter(config, document, outputPath, kHelpBaseName, sink);
  }
  if (selected.importFile) {
    importFileWriter(config, document, outputPath, sink);
  }
  if (selected.editorReference) {
    editorReferenceWriter(config, document, outputPath, sink);
  }
  if (selected.userLibrary) {
    userLibraryWriter(config, document, outputPath, sink);
  }
}

}  // namespace inkwright
