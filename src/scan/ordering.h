// Entry ordering: the names of the entries, their sort, and the groups.
#pragma once

#include "model/document.h"

namespace inkwright {

// Sets the names an entry takes from its headerPath: entryName, the last "/"-separated component
// ('A/B/C' gives 'C', 'C' gives 'C', 'A/' gives ''), and sectionName, the component before it,
// or the whole path when it holds no "/" ('A/B/C' gives 'B', 'C' gives 'C').
void nameEntry(DocEntry& entry);

// nameEntry for every entry of the document.
void deriveEntryNames(Document& document);

// Sorts the entries ascending by entryName, ignoring the case of A-Z (note [sort ties]).
void sortEntries(Document& document);

// Sets groupName where the headerPath holds exactly one "/" and fills the document's groups with
// the distinct group names, sorted ascending ignoring the case of A-Z.
void collectGroups(Document& document);

}  // namespace inkwright
