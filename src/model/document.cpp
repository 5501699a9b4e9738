#include "model/document.h"

namespace inkwright {

std::vector<std::string> fileList;
std::vector<DocEntry> entryList;
std::vector<ImportDirective> importList;
std::vector<std::string> groupList;

void clearDocument() {
  fileList.clear();
  entryList.clear();
  importList.clear();
  groupList.clear();
}

}  // namespace inkwright
